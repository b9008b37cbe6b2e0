#include "PooledInput.h"

#include "DataInput.h"
#include "Output.h"

#include "core/registry/DataFile.h"
#include "core/toolkit/FileStore.h"

#include <QFile>

#include <QMap>

#include <algorithm>
#include <atomic>
#include <sys/stat.h>
#include <thread>
#include <vector>

#include <QCoreApplication>

namespace voradata {

namespace {

// The texts of this file, under the translation context "PooledInput".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PooledInput)
};

} // namespace

QStringList distinctFiles(const QStringList &paths, FileUse use)
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
            const QString warning = use == FileUse::Sent
                                        ? Texts::tr("警告: %1 は %2 と同じファイルです。1 度だけ送ります")
                                        : Texts::tr("警告: %1 は %2 と同じファイルです。1 度だけ数えます");
            writeErr(QStringLiteral("vora-data: ") + warning.arg(printableName(path), printableName(*it))
                     + QLatin1Char('\n'));
            continue;
        }
        named.insert(id, path);
        out << path;
    }
    return out;
}

QVector<RunKey> runKeys(const QStringList &lines)
{
    QVector<RunKey> keys;
    keys.reserve(lines.size());
    int run = 0;
    for (int i = 0; i < lines.size(); ++i) {
        if (vora::isConditionMemoLine(lines.at(i)))
            continue;
        const QStringView record = QStringView(lines.at(i)).left(vora::kRunColumns);
        keys.append({{qHash(record, size_t(0x9e3779b97f4a7c15ull)), qHash(record, size_t(0x2545f4914f6cdd1dull))},
                     ++run,
                     i + 1});
    }
    return keys;
}

void RunCopies::add(const QString &path, const QVector<RunKey> &runs)
{
    const int file = int(m_files.size());
    m_files << path;
    for (const RunKey &r : runs) {
        const Place here{file, r.run, r.line};
        const auto seen = m_seen.constFind(r.key);
        if (seen == m_seen.constEnd()) {
            m_seen.insert(r.key, here);
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
        return Texts::tr("%1:%2（ラン %3）")
            .arg(printableName(m_files.at(p.file)), QString::number(p.line), QString::number(p.run));
    };
    for (const auto &[files, pair] : m_pairs) {
        const QString copy = printableName(m_files.at(files.second));
        const QString warning =
            files.first == files.second
                ? Texts::tr("警告: %1 のラン %n 件は、同じファイルの前のランと同じ内容で記録されています。最初は "
                            "%2 = %3。複写したランは 2 度数えられます",
                            nullptr, pair.count)
                      .arg(copy, where(pair.copy), where(pair.first))
                : Texts::tr("警告: %1 のラン %n 件は、%2 のランと同じ内容で記録されています。最初は %3 = %4。"
                            "複写したランは 2 度数えられます",
                            nullptr, pair.count)
                      .arg(copy, printableName(m_files.at(files.first)), where(pair.copy), where(pair.first));
        writeErr(QStringLiteral("vora-data: ") + warning + QLatin1Char('\n'));
    }
}

namespace {

// One file as a worker leaves it.
struct LoadedFile {
    CheckedFile checked;
    vora::report::Experiment experiment;
    vora::report::ExperimentTally tally;
    QVector<RunKey> keys;
    QMap<QDate, vora::report::DayCount> days;
};

void loadOne(const QString &path, bool keepRuns, LoadedFile *out)
{
    QStringList lines;
    out->checked = checkFile(path, &lines);
    if (!out->checked.passed())
        return;
    out->checked.contents = {}; // the lines below say it all again
    out->keys = runKeys(lines);
    vora::report::Experiment e = vora::report::experimentFromLines(path, lines);
    out->tally = vora::report::tallyOf(e);
    for (const vora::LoadedRun &run : e.runs.runs) {
        const QDate date = vora::report::runDate(run.date);
        vora::report::DayCount &d = out->days[date];
        d.date = date;
        ++d.runs;
        d.hits += run.hits;
    }
    if (keepRuns)
        out->experiment = std::move(e);
}

} // namespace

int loadStudy(const QStringList &paths, vora::report::StudyData *study, QVector<vora::report::Experiment> *experiments)
{
    const QStringList files = distinctFiles(paths, FileUse::Counted);
    QVector<LoadedFile> loaded(files.size());
    // Files are independent: read, decoded, checked and tallied by one worker per core.
    std::atomic<int> next{0};
    auto work = [&] {
        for (int i = next++; i < files.size(); i = next++)
            loadOne(files.at(i), experiments != nullptr, &loaded[i]);
    };
    const int workers = std::clamp(int(std::thread::hardware_concurrency()), 1, 8);
    std::vector<std::thread> threads;
    for (int w = 1; w < std::min<int>(workers, int(files.size())); ++w)
        threads.emplace_back(work);
    work();
    for (std::thread &t : threads)
        t.join();

    int worst = kExitOk;
    RunCopies copies;
    QMap<QDate, vora::report::DayCount> days;
    for (int i = 0; i < files.size(); ++i) {
        LoadedFile &f = loaded[i];
        if (const int refused = refuseUnfit(f.checked); refused != kExitOk) {
            worst = std::max(worst, refused);
            continue;
        }
        copies.add(files.at(i), f.keys);
        study->experiments.append({vora::report::siteOfFile(files.at(i)), f.tally});
        for (const vora::report::DayCount &d : std::as_const(f.days)) {
            vora::report::DayCount &sum = days[d.date];
            sum.date = d.date;
            sum.runs += d.runs;
            sum.hits += d.hits;
        }
        if (experiments)
            experiments->append(std::move(f.experiment));
    }
    study->days = days.values().toVector();
    // Only about files that are used: a refused set gives no figures to doubt.
    if (worst == kExitOk)
        copies.warn();
    return worst;
}

int loadExperiments(const QStringList &paths, QVector<vora::report::Experiment> *out,
                    QVector<vora::report::ExperimentTally> *tallies)
{
    vora::report::StudyData study;
    const int refused = loadStudy(paths, &study, out);
    if (tallies) {
        tallies->clear();
        for (const vora::report::StudyExperiment &e : std::as_const(study.experiments))
            tallies->append(e.tally);
    }
    return refused;
}

} // namespace voradata
