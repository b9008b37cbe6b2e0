#include "PooledInput.h"

#include "DataInput.h"
#include "Output.h"

#include "core/registry/DataFile.h"
#include "core/toolkit/FileStore.h"

#include <QFile>

#include <algorithm>
#include <sys/stat.h>

namespace voradata {

QStringList distinctFiles(const QStringList &paths, const QString &used)
{
    QStringList out;
    QHash<QPair<quint64, quint64>, QString> named; // device and inode -> the name first given
    for (const QString &path : paths) {
        struct stat st { };
        if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
            out << path;
            continue;
        }
        const QPair<quint64, quint64> id(quint64(st.st_dev), quint64(st.st_ino));
        if (const auto it = named.constFind(id); it != named.constEnd()) {
            writeErr(QStringLiteral("vora-data: warning: ") + printableName(path)
                     + QStringLiteral(" names the same file as ") + printableName(*it) + QStringLiteral("; ") + used
                     + QStringLiteral(" once\n"));
            continue;
        }
        named.insert(id, path);
        out << path;
    }
    return out;
}

void RunCopies::add(const QString &path, const QStringList &lines)
{
    const int file = int(m_files.size());
    m_files << path;
    int run = 0;
    for (int i = 0; i < lines.size(); ++i) {
        if (vora::isConditionMemoLine(lines.at(i)))
            continue;
        const Place here{file, ++run, i + 1};
        const QString record = lines.at(i).left(vora::kRunColumns);
        const auto seen = m_seen.constFind(record);
        if (seen == m_seen.constEnd()) {
            m_seen.insert(record, here);
            continue;
        }
        const QPair<int, int> key(seen->file, file);
        auto pair = std::find_if(m_pairs.begin(), m_pairs.end(), [&](const auto &p) { return p.first == key; });
        if (pair == m_pairs.end()) {
            m_pairs.append({key, Pair{0, *seen, here}});
            pair = m_pairs.end() - 1;
        }
        ++pair->second.count;
    }
}

void RunCopies::warn() const
{
    auto where = [&](const Place &p) {
        return printableName(m_files.at(p.file)) + QLatin1Char(':') + QString::number(p.line) + QStringLiteral(" (run ")
               + QString::number(p.run) + QLatin1Char(')');
    };
    for (const auto &[files, pair] : m_pairs) {
        const QString count =
            pair.count == 1 ? QStringLiteral("1 run") : QString::number(pair.count) + QStringLiteral(" runs");
        const QString of = files.first == files.second
                               ? QStringLiteral("earlier runs of the same file")
                               : QStringLiteral("runs of ") + printableName(m_files.at(files.first));
        writeErr(QStringLiteral("vora-data: warning: ") + count + QStringLiteral(" of ")
                 + printableName(m_files.at(files.second)) + QStringLiteral(" stored identically as ") + of
                 + QStringLiteral(", first ") + where(pair.copy) + QStringLiteral(" = ") + where(pair.first)
                 + QStringLiteral("; a copied run counts twice\n"));
    }
}

int loadExperiments(const QStringList &paths, QVector<vora::report::Experiment> *out)
{
    int worst = kExitOk;
    const vora::FileStore store;
    RunCopies copies;
    for (const QString &path : distinctFiles(paths, QStringLiteral("counted"))) {
        const CheckedFile file = checkFile(path);
        if (const int refused = refuseUnfit(file); refused != kExitOk) {
            worst = std::max(worst, refused);
            continue;
        }
        const vora::ReadResult read = store.readLines(path);
        if (!read.ok) {
            writeErr(QStringLiteral("vora-data: ") + printableName(path) + QStringLiteral(": ") + readFailureText(read)
                     + QLatin1Char('\n'));
            worst = std::max(worst, kExitUsage);
            continue;
        }
        copies.add(path, read.lines);
        out->append(vora::report::experimentFromLines(path, read.lines));
    }
    // Only about files that are used: a refused set gives no figures to doubt.
    if (worst == kExitOk)
        copies.warn();
    return worst;
}

} // namespace voradata
