#include "core/mainwindow/MemoPanel.h"

#include "core/registry/DataFile.h"

namespace vora {

MemoPanel::MemoPanel(Services &services, SharedState &state) : m_services(services), m_state(state)
{
}

void MemoPanel::tick(bool ticked)
{
    if (m_ticked == ticked)
        return;
    m_ticked = ticked;
    m_state.showConditions = ticked;
    if (!ticked) {
        m_visible = false;
        m_saveVisible = false;
    } else {
        m_visible = true; // the save button shows only after the double click
    }
}

void MemoPanel::clickTick(bool ticked)
{
    m_ticked = !ticked;
    tick(ticked);
}

void MemoPanel::startSelection()
{
    m_checkVisible = true;
    tick(false);
    // Unticking an unticked box changes nothing; its effect is wanted all the same.
    m_state.showConditions = false;
    m_visible = false;
    m_saveVisible = false;
    m_editable = false;
}

void MemoPanel::showStored()
{
    tick(true);
    m_checkVisible = true;
}

void MemoPanel::hideCheck()
{
    m_checkVisible = false;
}

void MemoPanel::hide()
{
    m_checkVisible = false;
    m_visible = false;
    m_saveVisible = false;
}

void MemoPanel::unlock()
{
    m_editable = true;
    m_saveVisible = true;
}

FileResult MemoPanel::save(const QString &text) const
{
    Services &s = m_services;
    const QString path = dataFilePath(s.paths, m_state.experimentName, stimulusFileSuffix(m_state.stimulusFile));
    return saveConditionMemo(*s.files, s.paths, path, text);
}

void MemoPanel::saved()
{
    m_editable = false;
    m_saveVisible = false;
}

} // namespace vora
