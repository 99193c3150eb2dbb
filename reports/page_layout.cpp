#include "page_layout.h"

#include "page_units.h"

#include <cmath>

namespace vazolar::reports {

namespace {

constexpr float kMargin = kTwipsPerInch; // one inch from the left and the top
constexpr int kColumnsPerZone = 14;

// The current print position, held in single precision like a printer's position register.
class PrintHead {
public:
    explicit PrintHead(const PageMetrics& metrics)
        : lineHeight_(static_cast<float>(metrics.lineHeight)),
          zoneWidth_(static_cast<float>(kColumnsPerZone * metrics.averageCharWidth)),
          bottomLimit_(static_cast<float>(metrics.bottomLimit)) {}

    void print(const QString& text, bool moveToNextZone, std::vector<Placement>& out) {
        if (moveToNextZone)
            x_ = nextZoneStart();
        out.push_back({page_, x_, y_, text});
        x_ = 0.0f;
        y_ += lineHeight_;
    }

    // Equal is not past: a line whose bottom lies on the limit stays on the page.
    void breakPageIfNextLinePasses() {
        const float bottom = lineHeight_ + y_;
        if (bottom > bottomLimit_) {
            ++page_;
            y_ = kMargin;
        }
    }

private:
    // The first zone start strictly to the right of x; without a usable column width x stays.
    float nextZoneStart() const {
        if (!(zoneWidth_ > 0.0f))
            return x_;
        float start = (std::floor(x_ / zoneWidth_) + 1.0f) * zoneWidth_;
        if (start <= x_)
            start += zoneWidth_;
        return start;
    }

    float lineHeight_;
    float zoneWidth_;
    float bottomLimit_;
    int page_ = 0;
    float x_ = kMargin;
    float y_ = kMargin;
};

} // namespace

std::vector<Placement> layOutPages(const PrintedReport& report, const PageMetrics& metrics) {
    std::vector<Placement> placements;
    placements.reserve(static_cast<std::size_t>(report.heading.size() + report.rows.size()));
    PrintHead head(metrics);
    for (const QString& line : report.heading)
        head.print(line, report.zoneMoves, placements);
    for (const QString& row : report.rows) {
        if (report.breaksBeforeRows)
            head.breakPageIfNextLinePasses();
        head.print(row, report.zoneMoves, placements);
    }
    return placements;
}

} // namespace vazolar::reports
