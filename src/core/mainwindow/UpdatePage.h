#pragma once
// The update page without widgets: where it lives, how its bytes become text, the marks
// put after its download link, and the scan of its revision record for a newer version.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace vora {
class FileStore;
}

namespace vora::updatepage {

// Our own site until the project has one; "update-site.txt" in the program folder overrides it.
QString defaultSiteFolder();
inline QString overrideFileName()
{
    return QStringLiteral("update-site.txt");
}
inline QString pageFileName()
{
    return QStringLiteral("new-sub2.htm");
}

// The folder address from the first line of the override file. Only an http or https
// address is taken (a lab mirror, a tester's loopback server); anything else, an empty
// line or a missing file (empty list) leaves the default. A missing final "/" is added.
QString siteFolder(const QStringList &overrideLines);
QUrl pageUrl(const QString &folder);

// The real page is a few kilobytes. A transfer longer than this is cut off, a copy longer
// than this is not stored, and a kept copy longer than this is not shown or scanned: a huge
// page would otherwise take memory and the panel's layout for minutes at every start.
constexpr qint64 kMaxPageBytes = 256 * 1024;

// A small file of the program folder (the local copy, the override file), read through the
// file layer only when it is a regular file of at most `maxBytes`: a pipe or a device there
// is never opened, and an oversized file is not read.
struct SmallFileRead {
    bool ok = false;
    bool tooLarge = false;
    QStringList lines;
};
SmallFileRead readSmallFile(const FileStore &files, const QString &path, qint64 maxBytes = kMaxPageBytes);
// What the panel says instead of a kept copy over the bound.
QString tooLargeCopyText();
// What the panel says when no copy was kept yet (first start offline).
QString noCopyYetText();

// Texts the page is known by.
inline QString checkText()
{
    return QStringLiteral("ＶＯＲＡ");
}
inline QString linkMarker()
{
    return QStringLiteral("(最新版の入手)</A>");
}
inline QString revisionMarker()
{
    return QStringLiteral("改定記録");
}
inline QString onlineMark()
{
    return QStringLiteral(" <font color=666666>(hp)</font>");
}
inline QString offlineMark()
{
    return QStringLiteral(" <font color=666666>(HD)</font>");
}

// The charset the page declares: the Content-Type header first, then a <meta charset> or
// <meta http-equiv="Content-Type"> near the top of the body. Empty when none is declared.
QString declaredCharset(const QString &contentType, const QByteArray &body);
// The page as text: decoded by its declared charset; CP932 when none is declared or the
// declared one is unknown. Shift_JIS names are read as CP932, its superset.
QString decodePage(const QByteArray &body, const QString &contentType);

// The online copy: the online mark inserted right after the first link marker.
QString withOnlineMark(const QString &page);
// The offline copy, made from the online copy: the online mark replaced by the offline one.
QString withOfflineMark(const QString &onlineCopy);

// Prepares page text for the local copy, which is stored in CP932: any <meta> charset is
// made to say Shift_JIS (what the bytes then are), and characters the code page lacks become
// numeric character references, which an HTML reader shows as the same characters.
QString forLocalCopy(const QString &page);

struct VersionNumbers {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// The leading decimal number of a text, 0 when it does not start with a digit ("12a" -> 12).
int leadingNumber(const QString &text);
// "V1.2.3" (half-width spaces ignored); with one "." only, "V2.5" is 2, 5, 0.
VersionNumbers parseVersionText(const QString &text);

struct ScanResult {
    bool newer = false; // the page lists a version above our own
    int line = -1; // index of the line that did, -1 when none
    VersionNumbers page; // the version found on that line
};

// Looks for versions from the first line holding the revision marker on; the first
// candidate "V<one character>." of each line is compared with `ownVersionText`.
ScanResult scanForNewerVersion(const QStringList &lines, const QString &ownVersionText);

// The notice shown when a newer version exists.
QString noticeText();

} // namespace vora::updatepage
