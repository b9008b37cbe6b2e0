// The update page as the network may deliver it: any bytes under any declared charset. The
// scan must stay within the page, the local copy must always be storable in CP932, and the
// same text read as the site override file gives an http(s) folder or the default.
#include "FuzzSupport.h"

#include "core/mainwindow/UpdatePage.h"
#include "core/toolkit/Cp932.h"
#include "core/toolkit/FileStore.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString contentTypes[] = {
        QString(),
        QStringLiteral("text/html"),
        QStringLiteral("text/html; charset=Shift_JIS"),
        QStringLiteral("text/html; charset=utf-8"),
        QStringLiteral("text/html; charset=EUC-JP"),
        QStringLiteral("text/html; charset=x-nonsense"),
        QStringLiteral("text/html; charset=\"iso-2022-jp\""),
        QStringLiteral("text/html; charset=UTF-16LE"),
    };
    if (size == 0)
        return 0;
    const QString contentType = contentTypes[data[0] % 8];
    const QByteArray body(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));

    (void)vora::updatepage::declaredCharset(contentType, body);
    const QString page = vora::updatepage::decodePage(body, contentType);
    const QStringList lines = vora::splitLines(page);
    for (const QString &own : {QStringLiteral("V1.0.0"), QStringLiteral("V0.0.0"), QStringLiteral("V9.9.99")}) {
        const vora::updatepage::ScanResult scan = vora::updatepage::scanForNewerVersion(lines, own);
        VORA_FUZZ_REQUIRE(!scan.newer || (scan.line >= 0 && scan.line < lines.size()));
        VORA_FUZZ_REQUIRE(scan.newer || scan.line == -1);
    }
    for (const QString &line : lines)
        (void)vora::updatepage::parseVersionText(line);
    // The same text as the override file: only an http(s) folder with a host is taken.
    const QString site = vora::updatepage::siteFolder(lines);
    VORA_FUZZ_REQUIRE(site.endsWith(QLatin1Char('/')));
    VORA_FUZZ_REQUIRE(site.startsWith(QLatin1String("http"), Qt::CaseInsensitive));
    VORA_FUZZ_REQUIRE(vora::updatepage::pageUrl(site).isValid());

    const QString online = vora::updatepage::withOnlineMark(page);
    const QString offline = vora::updatepage::withOfflineMark(online);
    VORA_FUZZ_REQUIRE(online.size() >= page.size());
    VORA_FUZZ_REQUIRE(vora::cp932::encode(vora::updatepage::forLocalCopy(offline)).ok);
    return 0;
}
