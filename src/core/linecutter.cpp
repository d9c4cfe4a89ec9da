#include "core/linecutter.h"

namespace vc {

void LineCutter::Put(char c) {
    if (cursor_ < line_.size())
        line_[cursor_] = c;
    else
        line_.push_back(c);
    ++cursor_;
}

void LineCutter::Feed(const char* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        switch (byte) {
            case 0:
            case 7:
                Put(' ');
                break;
            case 8:
                if (cursor_ > 0) --cursor_;
                break;
            case 9:
                for (int k = 0; k < 8; ++k) Put(' ');
                break;
            case 10:
                deliver_(line_);
                line_.clear();
                cursor_ = 0;
                break;
            case 13:
                cursor_ = 0;
                break;
            default:
                Put(static_cast<char>(byte));
                break;
        }
    }
    deliver_(line_);
}

void LineCutter::Finish() {
    if (!line_.empty()) deliver_(line_);
    line_.clear();
    cursor_ = 0;
}

}  // namespace vc
