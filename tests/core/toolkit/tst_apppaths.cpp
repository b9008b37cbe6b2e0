// Where files live: beside the program in a build or unpacked folder, split between
// share/vora and the per-user folder once installed or when the program folder is read-only.
#include "core/toolkit/AppPaths.h"
#include "core/toolkit/FileStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vora;

class TestAppPaths : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void decideByLayout_data();
    void decideByLayout();
    void namesGoToTheirFolder();
    void everyBuiltFileIsClassified();
    void userFolderIsPreparedOnce();
    void dataHomeFollowsXdgRule_data();
    void dataHomeFollowsXdgRule();
    void dataHomeIsReadFromEnvironment();
};

namespace {
void touch(const QString &path, const QByteArray &bytes = "x")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

void TestAppPaths::decideByLayout_data()
{
    QTest::addColumn<QString>("helpAt"); // where the help page lies, relative to the root
    QTest::addColumn<bool>("writable"); // the executable's folder
    QTest::addColumn<QString>("delivered"); // expected, relative to the root
    QTest::addColumn<QString>("user");
    QTest::newRow("build folder") << "bin/esphelp2.htm" << true << "bin"
                                  << "bin";
    QTest::newRow("read-only unpacked folder") << "bin/esphelp2.htm" << false << "bin"
                                               << "home/vora";
    QTest::newRow("installed, ordinary user") << "share/vora/esphelp2.htm" << false << "share/vora"
                                              << "home/vora";
    // Root may write to bin/, but an installed program still keeps its files per user.
    QTest::newRow("installed, root") << "share/vora/esphelp2.htm" << true << "share/vora"
                                     << "home/vora";
    QTest::newRow("nothing delivered") << "" << true << "bin"
                                       << "bin";
}

void TestAppPaths::decideByLayout()
{
    QFETCH(QString, helpAt);
    QFETCH(bool, writable);
    QFETCH(QString, delivered);
    QFETCH(QString, user);
    QTemporaryDir root;
    QDir().mkpath(root.filePath(QStringLiteral("bin")));
    if (!helpAt.isEmpty())
        touch(root.filePath(helpAt));
    const AppPaths p =
        AppPaths::decide(root.filePath(QStringLiteral("bin")), writable, root.filePath(QStringLiteral("home")));
    QCOMPARE(p.folder(), QDir::cleanPath(root.filePath(delivered)));
    QCOMPARE(p.userFolder(), QDir::cleanPath(root.filePath(user)));
    QCOMPARE(p.separateUserFolder(), delivered != user);
}

void TestAppPaths::namesGoToTheirFolder()
{
    const AppPaths split(QStringLiteral("/usr/share/vora"), QStringLiteral("/home/u/.local/share/vora"));
    for (const QString &name : AppPaths::readOnlyDeliveredFiles())
        QCOMPARE(split.file(name), QStringLiteral("/usr/share/vora/") + name);
    for (const char *name : {"Combo1.txt", "Combo5.txt", "Jikkenmei.txt", "new-sub2.htm", "update-site.txt",
                             "yama1.jpg", "yama1m.jpg", "Yama_kekka.png"})
        QCOMPARE(split.file(QLatin1String(name)), QStringLiteral("/home/u/.local/share/vora/") + QLatin1String(name));
    QCOMPARE(split.dataFile(QStringLiteral("Yama-1.txt")), QStringLiteral("/home/u/.local/share/vora/data/Yama-1.txt"));

    const AppPaths one(QStringLiteral("/opt/vora/"));
    QVERIFY(!one.separateUserFolder());
    QCOMPARE(one.file(QStringLiteral("esphelp2.htm")), QStringLiteral("/opt/vora/esphelp2.htm"));
    QCOMPARE(one.file(QStringLiteral("Jikkenmei.txt")), QStringLiteral("/opt/vora/Jikkenmei.txt"));
}

void TestAppPaths::everyBuiltFileIsClassified()
{
    // A picture added to the build but not named here would be sought in the per-user folder.
    const QDir app(qEnvironmentVariable("VORA_APP_DIR"));
    const QStringList built = app.entryList({QStringLiteral("*.jpg"), QStringLiteral("*.htm")}, QDir::Files);
    if (built.isEmpty())
        QSKIP("no program folder built");
    QStringList known = AppPaths::readOnlyDeliveredFiles() + AppPaths::replaceableFiles();
    known.sort();
    QStringList delivered = built;
    delivered.removeAll(QStringLiteral("yama1m.jpg")); // made at run time by a replacement
    delivered.removeAll(QStringLiteral("new-sub2.htm"));
    QCOMPARE(delivered, known);
}

void TestAppPaths::userFolderIsPreparedOnce()
{
    QTemporaryDir root;
    touch(root.filePath(QStringLiteral("share/yama1.jpg")), "delivered");
    const AppPaths p(root.filePath(QStringLiteral("share")), root.filePath(QStringLiteral("home/vora")));
    FileStore files;
    QVERIFY(p.prepareUserFolder(files).ok);
    QFile copy(p.file(QStringLiteral("yama1.jpg")));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), QByteArray("delivered"));
    copy.close();

    // A picture the user put in place stays.
    touch(p.file(QStringLiteral("yama1.jpg")), "mine");
    QVERIFY(p.prepareUserFolder(files).ok);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), QByteArray("mine"));
    copy.close();

    // A user folder that cannot be made is reported.
    touch(root.filePath(QStringLiteral("blocked")));
    const AppPaths blocked(root.filePath(QStringLiteral("share")), root.filePath(QStringLiteral("blocked/vora")));
    const FileResult r = blocked.prepareUserFolder(files);
    QVERIFY(!r.ok);
    QVERIFY(r.message.contains(QStringLiteral("blocked")));
}

void TestAppPaths::dataHomeFollowsXdgRule_data()
{
    QTest::addColumn<QString>("xdgDataHome");
    QTest::addColumn<QString>("expected");
    QTest::newRow("absolute") << "/srv/users/u/data"
                              << "/srv/users/u/data";
    QTest::newRow("absolute, trailing slash") << "/srv/users/u/data/"
                                              << "/srv/users/u/data";
    QTest::newRow("unset or empty") << ""
                                    << "/home/u/.local/share";
    QTest::newRow("relative") << "data"
                              << "/home/u/.local/share";
    QTest::newRow("relative with dot") << "./.local/share"
                                       << "/home/u/.local/share";
    QTest::newRow("tilde is not expanded") << "~/data"
                                           << "/home/u/.local/share";
}

void TestAppPaths::dataHomeFollowsXdgRule()
{
    QFETCH(QString, xdgDataHome);
    QFETCH(QString, expected);
    QCOMPARE(AppPaths::dataHome(xdgDataHome, QStringLiteral("/home/u")), expected);
}

void TestAppPaths::dataHomeIsReadFromEnvironment()
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    const bool hadData = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_DATA_HOME", "relative/share");
    const QString relative = AppPaths::dataHomeFromEnvironment();
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("elsewhere"))));
    const QString absolute = AppPaths::dataHomeFromEnvironment();
    qputenv("HOME", oldHome);
    if (hadData)
        qputenv("XDG_DATA_HOME", oldData);
    else
        qunsetenv("XDG_DATA_HOME");
    QCOMPARE(relative, QDir::cleanPath(home.filePath(QStringLiteral(".local/share"))));
    QCOMPARE(absolute, QDir::cleanPath(home.filePath(QStringLiteral("elsewhere"))));
}

QTEST_GUILESS_MAIN(TestAppPaths)
#include "tst_apppaths.moc"
