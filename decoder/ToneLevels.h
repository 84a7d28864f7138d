#pragma once
// Decides bits from the two tone magnitudes, also when selective fading has
// weakened one tone: comparing the magnitudes alone would then read noise
// against noise whenever the weak tone is sent. So each tone's level when
// sent and when not is learnt from the bits decided, and each tone counts by
// how far it lies above or below the middle of its two levels, weighted by
// how far apart they are: a faded tone that hardly rises above its noise has
// little to say, and the other tone decides alone.

namespace zorbel::decoder {

struct ToneMagnitudes {
    float mark = 0.0f;
    float space = 0.0f;
};

class ToneLevels {
public:
    // Positive for mark, negative for space.
    float Soft(ToneMagnitudes tones) const;

    // Learns from the magnitudes at the end of a bit decided as mark or space.
    void Learn(ToneMagnitudes tones, bool mark);

private:
    struct Level {
        double steady = 0.0;
        double quick = 0.0;
        unsigned learnt = 0;
        void Follow(double magnitude);
    };

    bool Known() const;

    Level markOn_, markOff_, spaceOn_, spaceOff_;
};

}  // namespace zorbel::decoder
