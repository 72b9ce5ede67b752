#pragma once
// What a list box shows: a count of lines and the text of one line, asked for when it is shown.
// Lines are made on demand, so a list of many thousand lines stores no text per line.
#include <string>

namespace vis {

class ListSource {
public:
    virtual ~ListSource() = default;
    virtual int count() const = 0;
    // Line `row`, 0 <= row < count().
    virtual std::string line(int row) const = 0;
};

}  // namespace vis
