#pragma once
// Turns the ITA2 codes of SITOR-B characters into text, keeping letters and
// figures, where a lost character ('*') may have been a shift. Lost, a
// letters shift would leave a whole word in figures ("SOUTHWEST" read as
// "'975#23'5"). So after such a loss both readings are kept, each weighed by
// how likely the shift was and by how likely its characters are in its
// state (in figures, digits and the usual signs; seldom ' # $ ! & or the
// bell, or a figure right after a space, where a word in letters begins),
// and the text is held until one reading is clearly likelier or a
// shift received settles it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zorbel::decoder {

class ShiftReading {
public:
    ShiftReading();

    // A character decided: its ITA2 code. Appends what is settled.
    void Add(std::uint8_t ita2, std::string& text);
    // A character lost, how likely it was a letters or a figures shift, and
    // its likeliest ITA2 code where that is worth showing: a letter shows in
    // lower case, anything else as '*'.
    void AddLost(double lettersShare, double figuresShare, std::optional<std::uint8_t> likeliest,
                 std::string& text);
    // The characters end (a lock ends, or the input): appends what is held,
    // as the likelier reading has it.
    void Flush(std::string& text);

private:
    struct Reading {
        bool figures;
        // Natural logarithm, against the likeliest reading's.
        double weight;
        std::string held;
        // The last character read was a space.
        bool afterSpace = false;
    };

    // Reads the code in the reading's state.
    static void Append(Reading& reading, std::uint8_t ita2);
    // Keeps the likelier of two readings in one state.
    void Merge(std::vector<Reading>& readings) const;
    // Gives the held text once one reading is clearly the likeliest.
    void Settle(std::string& text, bool anyway);

    // The likeliest first.
    std::vector<Reading> readings_;
    int receivedSinceLost_ = 0;
};

}  // namespace zorbel::decoder
