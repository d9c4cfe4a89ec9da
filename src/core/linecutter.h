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

    explicit LineCutter(Deliver deliver) : deliver_(std::move(deliver)) {}

    // One block of output as it was read. Delivers every completed line and, at the end of the
    // block, the current line in its present state (possibly incomplete or empty) without
    // emptying it, so that progress lines ending with a carriage return show up at once.
    void Feed(const char* data, std::size_t size);
    void Feed(const std::string& block) { Feed(block.data(), block.size()); }

    // End of the output: delivers an incomplete line once more when it is not empty.
    void Finish();

    const std::string& CurrentLine() const { return line_; }

  private:
    void Put(char c);

    Deliver deliver_;
    std::string line_;
    std::size_t cursor_ = 0;
};

}  // namespace vc
