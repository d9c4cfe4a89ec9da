#include "core/linecutter.h"

namespace vc {

bool LineCutter::Put(char c) {
    if (cursor_ >= kMaxLineLength) {
        cut_ = true;
        return false;
    }
    if (cursor_ < line_.size())
        line_[cursor_] = c;
    else
        line_.push_back(c);
    ++cursor_;
    return true;
}

void LineCutter::Feed(const char* data, std::size_t size) {
    bool changed = false;
    for (std::size_t i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        switch (byte) {
            case 0:
            case 7:
                changed |= Put(' ');
                break;
            case 8:
                if (cursor_ > 0) --cursor_;
                changed = true;
                break;
            case 9:
                for (int k = 0; k < 8; ++k) changed |= Put(' ');
                break;
            case 10:
                deliver_(line_);
                line_.clear();
                cursor_ = 0;
                cut_ = false;
                changed = true;
                break;
            case 13:
                cursor_ = 0;
                cut_ = false;
                changed = true;
                break;
            default:
                changed |= Put(static_cast<char>(byte));
                break;
        }
    }
    // Re-delivering a cut line for every block of its dropped rest would only repeat it.
    if (changed || !cut_) deliver_(line_);
}

void LineCutter::Finish() {
    if (!line_.empty()) deliver_(line_);
    line_.clear();
    cursor_ = 0;
    cut_ = false;
}

}  // namespace vc
