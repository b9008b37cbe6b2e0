#include "results/ResultsDisplay.h"

#include "results/ResultsHost.h"

namespace vora {

// Filled in by the results view; until then the display only ends its pass as every display does.
class ResultsDisplay::Impl {
public:
    explicit Impl(ResultsHost &h) : host(h) {}
    ResultsHost &host;
    bool shown = false;
    int chartMode = 0;
};

ResultsDisplay::ResultsDisplay(ResultsHost &host, QObject *parent) : QObject(parent), d(new Impl(host)) {}
ResultsDisplay::~ResultsDisplay() { delete d; }
void ResultsDisplay::onWindowLoad() {}
void ResultsDisplay::display()
{
    d->shown = true;
    d->host.resetRunState();
    d->host.armLayoutTimer();
}
int ResultsDisplay::allRunChartMode() const { return d->chartMode; }
void ResultsDisplay::displayAllRunChart() { display(); }
void ResultsDisplay::stopContinuousTimer() {}
bool ResultsDisplay::resultsShown() const { return d->shown; }

} // namespace vora
