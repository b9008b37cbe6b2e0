#pragma once
#include <QString>

namespace vora {

// The program folder: where the executable, pictures, list files and data/ live.
// Production uses the executable's folder; tests point it at a temporary folder.
class AppPaths {
public:
    AppPaths() = default;
    explicit AppPaths(const QString &programFolder);
    static AppPaths fromApplication();

    QString folder() const { return m_folder; }
    // A file directly in the program folder ("Combo1.txt", "Jikkenmei.txt", ...).
    QString file(const QString &name) const;
    QString dataFolder() const;
    QString dataFile(const QString &name) const;

private:
    QString m_folder;
};

} // namespace vora
