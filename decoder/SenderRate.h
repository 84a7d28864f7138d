#pragma once
// The sender's character length, estimated from the start edges found: a
// line through the edges of each run of characters (a pause in between may
// shift a run by any amount), all runs sharing one slope, the recent edges
// weighing most. While few edges are known the estimate stays near the
// length the mode sets, so that single noisy edges cannot throw it.

namespace zorbel::decoder {

class SenderRate {
public:
    explicit SenderRate(double characterLength) : set_(characterLength) {}

    // The start edge (in samples) of the character in this slot of the
    // current run (slots count the characters since the run started).
    void Add(int slot, double edge);
    // The run ended: the next edge starts a new one.
    void EndRun();
    // The length the mode sets changed (a sender with other stop bits):
    // what was learnt no longer holds.
    void Restart(double characterLength);

    double CharacterLength() const;

private:
    // Sums over the run's edges for a least-squares line, relative to its
    // first slot and edge.
    struct Sums {
        double weight = 0.0, slot = 0.0, edge = 0.0, slotSquared = 0.0, slotEdge = 0.0;
        double Spread() const { return weight > 0.0 ? slotSquared - slot * slot / weight : 0.0; }
        double Covariance() const { return weight > 0.0 ? slotEdge - slot * edge / weight : 0.0; }
    };

    double set_;
    Sums run_;
    int firstSlot_ = 0;
    double firstEdge_ = 0.0;
    // The finished runs' part.
    double spread_ = 0.0, covariance_ = 0.0;
};

}  // namespace zorbel::decoder
