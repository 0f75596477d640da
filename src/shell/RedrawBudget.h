#pragma once
// The budget of one redraw of the graph: a redraw that runs longer than half a second shows how
// far it has come in the graph window's caption and keeps the program alive, and Escape or F1
// stops it; the picture then shows what was computed. While it runs, other keys, clicks and
// timers wait until it is over, so that nothing changes the project under the redraw or starts
// another one; dragged files dropped meanwhile are lost.

#include "base/WorkBudget.h"
#include "platform/Clock.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

class QWidget;

namespace tarlix {

class RedrawBudget : public QObject, public WorkBudget {
public:
    // The clock measures from the redraw's start; the caption is the window's.
    RedrawBudget(QWidget& captionWindow, const Clock& clock);
    ~RedrawBudget() override { finish(); }
    RedrawBudget(const RedrawBudget&) = delete;
    RedrawBudget& operator=(const RedrawBudget&) = delete;

    // The redraw is over: the caption as it was, the input that waited delivered.
    void finish();
    // Whether the user stopped the redraw.
    bool stopped() const { return stopAsked_; }

protected:
    bool check() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    QString savedCaption_;
    const Clock& clock_;
    std::int64_t start_;
    std::int64_t lastSlice_ = 0;
    bool showing_ = false;
    bool stopAsked_ = false;
    // Input that arrived meanwhile, for its receiver once the redraw is over.
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

} // namespace tarlix
