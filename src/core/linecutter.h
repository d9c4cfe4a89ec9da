#pragma once
// Cuts an encoder's console bytes into lines the way a console shows them: a carriage return
// moves back to the start of the line (the next text overwrites it), a line feed ends it.
#include <cstddef>
#include <functional>
#include <string>

namespace vc {

class LineCutter {
  public:
    using Deliver = std::function<void(const std::string& line)>;

    // A line never grows past this: further bytes are dropped until the next carriage return
    // or line feed, so an encoder that prints without end costs bounded memory and time.
    static constexpr std::size_t kMaxLineLength = 64 * 1024;

    explicit LineCutter(Deliver deliver) : deliver_(std::move(deliver)) {}

    // One block of output as it was read. Delivers every completed line and, at the end of the
    // block, the current line in its present state (possibly incomplete or empty) without
    // emptying it, so that progress lines ending with a carriage return show up at once. A cut
    // line that the block left unchanged is not delivered again.
    void Feed(const char* data, std::size_t size);
    void Feed(const std::string& block) { Feed(block.data(), block.size()); }

    // End of the output: delivers an incomplete line once more when it is not empty.
    void Finish();

    const std::string& CurrentLine() const { return line_; }

  private:
    // Writes at the cursor; false when the byte was dropped because the line is full.
    bool Put(char c);

    Deliver deliver_;
    std::string line_;
    std::size_t cursor_ = 0;
    bool cut_ = false;  // bytes of the current line were dropped since its last CR or LF
};

}  // namespace vc
