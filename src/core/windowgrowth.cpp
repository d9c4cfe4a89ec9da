#include "core/windowgrowth.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace vc {

namespace {

enum class H {
    Left,          // keeps its place from the left edge
    Right,         // keeps its place from the right edge
    Stretch,       // spans the window's width
    List,          // the job list's width
    ListCentre,    // centred over the job list
    Preview,       // keeps its place from the preview's left edge
    PreviewWide,   // the preview's width
    PreviewRight,  // keeps its place from the preview's right edge
    Tool,          // the tool row: squeezed together when the window is narrower than designed
    Figures,       // the progress row's name and figures: packed closer when narrow
};
enum class V {
    Top,        // keeps its place from the top
    Bottom,     // keeps its place from the bottom
    Band,       // the height of the list and preview band
    BandCentre  // centred in that band
};
struct Rule {
    H h;
    V v;
};

const std::map<QString, Rule>& Rules() {
    static const std::map<QString, Rule> rules = {
        {"titlebar", {H::Stretch, V::Top}},
        {"toolrow", {H::Stretch, V::Top}},
        {"mainclose", {H::Right, V::Top}},
        {"bt_web", {H::Right, V::Top}},
        {"bt_dvdopen", {H::Tool, V::Top}},
        {"dvdfile", {H::Tool, V::Top}},
        {"bt_ifo", {H::Tool, V::Top}},
        {"bt_remove", {H::Tool, V::Top}},
        {"bt_clear", {H::Tool, V::Top}},
        {"bt_chapte", {H::Tool, V::Top}},
        {"bt_cut", {H::Tool, V::Top}},
        {"bt_set", {H::Tool, V::Top}},
        {"dvdopen", {H::Tool, V::Top}},
        {"ifoopen", {H::Tool, V::Top}},
        {"remove", {H::Tool, V::Top}},
        {"clear", {H::Tool, V::Top}},
        {"chapter", {H::Tool, V::Top}},
        {"cutter", {H::Tool, V::Top}},
        {"lv", {H::List, V::Band}},
        {"listpanel", {H::List, V::Band}},
        {"emptyglyph", {H::ListCentre, V::BandCentre}},
        {"emptyhint", {H::List, V::BandCentre}},
        {"openfiles", {H::ListCentre, V::BandCentre}},
        {"openfolder", {H::ListCentre, V::BandCentre}},
        {"previewpanel", {H::PreviewWide, V::Band}},
        {"videoframe", {H::PreviewWide, V::Band}},
        {"pl_play", {H::PreviewWide, V::Band}},
        {"playtrack", {H::PreviewWide, V::Bottom}},
        {"playpos", {H::PreviewWide, V::Bottom}},
        {"play_bar", {H::PreviewWide, V::Bottom}},
        {"previewhint", {H::PreviewWide, V::Bottom}},
        {"bt_images", {H::PreviewRight, V::Bottom}},
        {"cb_audio", {H::PreviewWide, V::Bottom}},
        {"cb_subtitle", {H::PreviewWide, V::Bottom}},
        {"profilerow", {H::Stretch, V::Bottom}},
        {"profilestext", {H::Stretch, V::Bottom}},
        {"profiles", {H::Right, V::Bottom}},
        {"outputbox", {H::Stretch, V::Bottom}},
        {"ed_output", {H::Stretch, V::Bottom}},
        {"browse", {H::Right, V::Bottom}},
        {"open", {H::Right, V::Bottom}},
        {"progresspanel", {H::Stretch, V::Bottom}},
        {"filename", {H::Figures, V::Bottom}},
        {"filesize", {H::Figures, V::Bottom}},
        {"elapsedlabel", {H::Figures, V::Bottom}},
        {"usedtime", {H::Figures, V::Bottom}},
        {"remaininglabel", {H::Figures, V::Bottom}},
        {"resttime", {H::Figures, V::Bottom}},
        {"converttrack", {H::Stretch, V::Bottom}},
        {"convertpos", {H::Stretch, V::Bottom}},
        {"hint", {H::Stretch, V::Bottom}},
        {"filepath", {H::Stretch, V::Bottom}},
        {"convertinfo", {H::Right, V::Bottom}},
        {"bt_pause", {H::Right, V::Bottom}},
        {"Bt_Convertstop", {H::Right, V::Bottom}},
        {"bt_start", {H::Right, V::Bottom}},
        {"stopconverter", {H::Right, V::Bottom}},
        {"converter", {H::Right, V::Bottom}},
    };
    return rules;
}

// The tool row's buttons end here at the design size; the website button keeps this much
// room at the right edge.
constexpr int kToolRowEnd = 700;
constexpr int kRightReserve = 56;
// How far the window may be narrower and lower than designed.
constexpr int kMostNarrower = 180;
constexpr int kMostLower = 82;

}  // namespace

WindowGrowth::WindowGrowth(QSize design, QRect list, QRect video)
    : design_(design), list_(list), video_(video), size_(design) {}

QSize WindowGrowth::Smallest(QSize design) {
    return {design.width() - kMostNarrower, design.height() - kMostLower};
}

void WindowGrowth::SetSize(QSize size) {
    size_ = size.expandedTo(Smallest(design_));
    dw_ = size_.width() - design_.width();
    dh_ = size_.height() - design_.height();
    // The list and the preview share the extra width; a narrow window takes it from the list
    // alone, since the preview's buttons need their row.
    previewDw_ = dw_ > 0 ? dw_ / 2 : 0;
    listDw_ = dw_ - previewDw_;
}

QRect WindowGrowth::Place(const QString& name, const QRect& r) const {
    if (name == "di") return {};  // the picker's backdrop is placed when the picker opens
    Rule rule{H::Left, r.top() >= video_.bottom() + 1 ? V::Bottom : V::Top};
    if (auto it = Rules().find(name); it != Rules().end()) {
        rule = it->second;
    } else if (r.left() > list_.right() && r.top() >= list_.top() && r.bottom() <= list_.bottom()) {
        rule.h = H::Preview;
    }
    int x = r.x(), w = r.width();
    switch (rule.h) {
        case H::Left:
            break;
        case H::Right:
        case H::PreviewRight:
            x += dw_;
            break;
        case H::Stretch:
            w += dw_;
            break;
        case H::List:
            w += listDw_;
            break;
        case H::ListCentre:
            x += listDw_ / 2;
            break;
        case H::Preview:
            x += listDw_;
            break;
        case H::PreviewWide:
            x += listDw_;
            w += previewDw_;
            break;
        case H::Tool: {
            const int start = list_.left();
            const int room = design_.width() - kRightReserve + std::min(0, dw_);
            if (room < kToolRowEnd) {
                const double f = double(room - start) / double(kToolRowEnd - start);
                x = start + int(std::lround((x - start) * f));
                w = int(std::lround(w * f));
            }
            break;
        }
        case H::Figures: {
            const QRect f = Figure(name, r);
            x = f.x();
            w = f.width();
            break;
        }
    }
    int y = r.y(), h = r.height();
    switch (rule.v) {
        case V::Top:
            break;
        case V::Bottom:
            y += dh_;
            break;
        case V::Band:
            h += dh_;
            break;
        case V::BandCentre:
            y += dh_ / 2;
            break;
    }
    return {x, y, std::max(0, w), std::max(0, h)};
}

QRect WindowGrowth::Figure(const QString& name, const QRect& r) const {
    // The figures keep their places; a narrower window first moves them left and takes the
    // room from the job's name, then drops the labels "Elapsed" and "Remaining" (the times
    // keep their names for screen readers) and packs the three figures at the right.
    const int shrink = std::max(0, -dw_);
    constexpr int kLabelsGo = 30, kGap = 6;
    if (shrink <= kLabelsGo) {
        if (name == "filename") return {r.x(), 0, r.width() - shrink, 0};
        return {r.x() - shrink, 0, r.width(), 0};
    }
    if (name == "elapsedlabel" || name == "remaininglabel") return {r.x(), 0, 0, 0};
    // At the design size the remaining time ends the row.
    constexpr int kRowEnd = 592, kTime = 66, kSize = 86, kNameLeft = 24;
    const int end = kRowEnd - shrink;
    const int rest = end - kTime, used = rest - kGap - kTime, size = used - kGap - kSize;
    if (name == "resttime") return {rest, 0, kTime, 0};
    if (name == "usedtime") return {used, 0, kTime, 0};
    if (name == "filesize") return {size, 0, kSize, 0};
    return {kNameLeft, 0, std::max(0, size - kGap - kNameLeft), 0};
}

QRect FitToScreen(QRect wanted, QRect available, QSize minimum) {
    if (available.isEmpty()) return wanted;
    QSize size = wanted.size().boundedTo(available.size()).expandedTo(minimum);
    QRect out(wanted.topLeft(), size);
    if (out.right() > available.right()) out.moveRight(available.right());
    if (out.bottom() > available.bottom()) out.moveBottom(available.bottom());
    if (out.left() < available.left()) out.moveLeft(available.left());
    if (out.top() < available.top()) out.moveTop(available.top());
    return out;
}

}  // namespace vc
