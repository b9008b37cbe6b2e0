#pragma once
#include <QString>
#include <QStringList>

// The language the program speaks. Its own texts are Japanese and need no catalogue; another
// language comes from the catalogue vora_<code>.qm (translations/vora_<code>.ts), with Qt's own
// qtbase_<code>.qm for the standard buttons and dialogs.
namespace vora::language {

// The program's own language, the one its texts are written in.
inline QString source()
{
    return QStringLiteral("ja");
}

// Folders searched for vora_<code>.qm, in order: $VORA_TRANSLATIONS_DIR (a translator trying a
// catalogue), translations/ beside the executable (a build or an unpacked folder),
// ../share/qt6/translations beside it (an installation under any prefix) and Qt's own
// translation folder (/usr/share/qt6/translations, where the package puts them).
QStringList catalogueFolders();
// True when the program can speak `code`: Japanese always, another language with a catalogue.
bool available(const QString &code);

// The language of a start: $VORA_LANG when it names a language we have; else the first
// language of the user's locale (LANG, LC_MESSAGES, LANGUAGE through QLocale) that we have,
// where Japanese ends the search; else Japanese. The C locale asks for none.
QString chosen();
// The same decision from given inputs (the tests' entry).
QString choose(const QString &override, const QStringList &uiLanguages, bool cLocale);

// Installs the catalogue of `code` and Qt's own for it into the application, replacing any
// installed before. False (and Japanese) when `code` has no catalogue or there is no
// application object.
bool install(const QString &code);
// The language installed last ("ja" before any install).
QString current();

// Speaks `code` while it lives, then the language before (a report asked for in another
// language than the program's).
class Scope {
public:
    explicit Scope(const QString &code);
    ~Scope();
    Scope(const Scope &) = delete;
    Scope &operator=(const Scope &) = delete;

private:
    QString m_previous;
    bool m_changed = false;
};

} // namespace vora::language
