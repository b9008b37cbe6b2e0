#include "core/study/mirror/Outbox.h"

#include "core/registry/RecordFormat.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace vora::study {

namespace {
// The texts of this file, under the translation context "Outbox".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Outbox)
};
} // namespace

namespace {

const QString kSuffix = QStringLiteral(".json");

QString errnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

} // namespace

Outbox::Outbox(const QString &folder) : m_folder(folder)
{
}

QString Outbox::folderFor(const AppPaths &paths)
{
    return paths.dataFolder() + QStringLiteral("/outbox");
}

QString Outbox::heldFolder() const
{
    return m_folder + QStringLiteral("/held");
}

QString Outbox::enqueue(const MirrorEntry &entry)
{
    // The time first, so names sort in queue order; the random tail keeps two instances apart.
    const QString base = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmsszzz"))
                         + QLatin1Char('-') + entry.experiment + QLatin1Char('-') + QString::number(entry.run)
                         + QLatin1Char('-') + QString::number(QRandomGenerator::global()->generate(), 16);
    return writeEntry(m_folder, base, entry);
}

QString Outbox::holdEntry(const MirrorEntry &entry)
{
    // One name per run: a conflict met again replaces its own note.
    return writeEntry(heldFolder(), entry.experiment + QLatin1Char('-') + QString::number(entry.run), entry);
}

QString Outbox::writeEntry(const QString &folder, const QString &base, const MirrorEntry &entry)
{
    const auto failed = [&folder](const QString &why) {
        return Texts::tr("送信待ちの記録を「%1」に書けませんでした。\r\n理由：%2")
            .arg(QDir::toNativeSeparators(folder), why);
    };
    if (!QDir().mkpath(folder))
        return failed(Texts::tr("フォルダを作れません"));

    QJsonObject o;
    o.insert(QStringLiteral("site"), entry.site);
    o.insert(QStringLiteral("experiment"), entry.experiment);
    o.insert(QStringLiteral("run"), entry.run);
    o.insert(QStringLiteral("record"), entry.record);
    o.insert(QStringLiteral("seal"), entry.seal.isEmpty() ? QJsonValue() : QJsonValue(entry.seal));
    const QByteArray bytes = QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';

    const QString work = folder + QStringLiteral("/.") + base + QLatin1Char('-')
                         + QString::number(QRandomGenerator::global()->generate(), 16) + QStringLiteral(".work");
    const QString target = folder + QLatin1Char('/') + base + kSuffix;

    const int fd =
        ::open(QFile::encodeName(work).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return failed(errnoText());
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const QString why = errnoText();
    ::close(fd);
    if (!written) {
        QFile::remove(work);
        return failed(why);
    }
    if (::rename(QFile::encodeName(work).constData(), QFile::encodeName(target).constData()) != 0) {
        const QString renameWhy = errnoText();
        QFile::remove(work);
        return failed(renameWhy);
    }
    if (!syncFolder(folder))
        return failed(errnoText());
    return QString();
}

QString Outbox::keyOf(const QString &file)
{
    // "TIME-EXPERIMENT-RUN-TAG.json"; the experiment's own name may hold "-".
    const QString name = QFileInfo(file).completeBaseName();
    const int first = int(name.indexOf(QLatin1Char('-')));
    const int last = int(name.lastIndexOf(QLatin1Char('-')));
    if (first < 0 || last <= first)
        return name;
    const QString middle = name.mid(first + 1, last - first - 1);
    return keyOf(middle.section(QLatin1Char('-'), 0, -2), middle.section(QLatin1Char('-'), -1).toInt());
}

QString Outbox::keyOf(const QString &experiment, int run)
{
    return experiment + QLatin1Char('/') + QString::number(run);
}

QStringList Outbox::pending() const
{
    QStringList out;
    const QDir dir(m_folder);
    for (const QString &name :
         dir.entryList({QStringLiteral("*") + kSuffix}, QDir::Files | QDir::NoDotAndDotDot, QDir::Name))
        out.append(dir.filePath(name));
    return out;
}

int Outbox::heldCount() const
{
    return int(QDir(heldFolder()).entryList({QStringLiteral("*") + kSuffix}, QDir::Files).size());
}

std::optional<MirrorEntry> Outbox::read(const QString &file) const
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly) || f.size() > 64 * 1024)
        return std::nullopt;
    QJsonParseError err{};
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &err);
    if (err.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    const QJsonObject o = doc.object();
    MirrorEntry e;
    e.site = o.value(QStringLiteral("site")).toString();
    e.experiment = o.value(QStringLiteral("experiment")).toString();
    e.run = o.value(QStringLiteral("run")).toInt();
    e.record = o.value(QStringLiteral("record")).toString();
    e.seal = o.value(QStringLiteral("seal")).toString();
    if (!isValidSiteName(e.site) || e.experiment.isEmpty() || e.run < 1 || e.record.size() != kRunColumns)
        return std::nullopt;
    return e;
}

bool Outbox::remove(const QString &file)
{
    // Another instance may have delivered it first.
    return QFile::remove(file) || !QFile::exists(file);
}

bool Outbox::hold(const QString &file)
{
    if (!QDir().mkpath(heldFolder()))
        return false;
    const QString to = heldFolder() + QLatin1Char('/') + QFileInfo(file).fileName();
    return ::rename(QFile::encodeName(file).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace vora::study
