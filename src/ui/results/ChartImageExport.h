#pragma once
// Saving one results chart as a PNG picture the user names.
class QString;
class QWidget;

namespace vora {

class ChartBox;
struct Services;

// Asks where to save (suggesting EXPERIMENT_TITLE.png in the program folder), writes the picture
// whole or not at all, and reports a failure with the place and the cause.
void saveChartImage(QWidget *parent, Services &services, const QString &experimentName, ChartBox &box);

} // namespace vora
