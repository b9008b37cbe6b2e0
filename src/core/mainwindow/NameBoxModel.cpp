#include "core/mainwindow/NameBoxModel.h"

namespace vora {

QString NameBox::selectedName() const
{
    return caption.left(10).section(QLatin1Char(' '), 0, 0);
}

void NameBox::tickStimulus(const QString &code)
{
    static const QStringList codes{QStringLiteral("S"), QStringLiteral("M"), QStringLiteral("B"), QStringLiteral("n")};
    if (codes.contains(code))
        stimulus = code;
}

void NameBox::tickHitDisplay(const QString &code)
{
    if (code == QLatin1String("D") || code == QLatin1String("-"))
        hitDisplay = code;
}

void NameBox::clearOptions()
{
    stimulus.clear();
    hitDisplay.clear();
}

QString NameBox::fileSuffix() const
{
    return stimulus == QLatin1String("n") ? QStringLiteral("0") : QStringLiteral("1");
}

BoxSelection NameBox::registeredSelection() const
{
    BoxSelection known = remembered;
    const QString name = selectedName();
    if (known.name != name)
        known = BoxSelection{name, QString(), QString()};
    return vora::registeredSelection(items, known);
}

FileResult NameBox::writeList(FileStore &files, const AppPaths &paths, int box) const
{
    if (!listRefused.isEmpty())
        return FileResult::failure(listRefused);
    return writeNameListFile(files, paths, box, items, kept);
}

QVector<NameBoxModel::Holding> NameBoxModel::holdingsOf(const QString &name) const
{
    QVector<Holding> out;
    if (name.isEmpty())
        return out;
    for (int box = 1; box <= kNameBoxes; ++box) {
        const NameBox &b = m_boxes.at(box);
        bool listed = false;
        for (const QString &text : b.items) {
            const NameListItem item = NameListItem::parse(text);
            if (item.name == name) {
                out.append(Holding{box, item.stimulusCode, item.hitDisplayCode});
                listed = true;
                break;
            }
        }
        // A selection file may hold a name that its box's list has lost.
        if (!listed && b.selectedName() == name) {
            const bool known = b.remembered.name == name;
            out.append(Holding{box, known ? b.remembered.stimulusCode : QString(),
                               known ? b.remembered.hitDisplayCode : QString()});
        }
    }
    return out;
}

} // namespace vora
