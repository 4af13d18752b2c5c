// The arithmetic of the two-thumb range slider, without windows: the range
// and step, the low and high values with their placement rules, and where
// thumbs and ticks lie along a control of a given length.
#pragma once

class RangeSliderModel {
public:
    // Pixels left free at each end of the axis.
    static constexpr int kEndMargin = 14;
    // Size of a thumb along the axis.
    static constexpr int kThumbLength = 10;

    // False (nothing changed) when the span is less than 2 or odd, when the
    // step is not positive, or when it does not divide the span.
    bool SetRange(int minimum, int maximum, int step);

    // Both thumbs: high at most the maximum, low at least the minimum, and
    // low never above high.
    void SetValues(int low, int high);
    // One thumb moved by `units` value units: low stays between the minimum
    // and high, high between low and the maximum.
    void MoveLow(int units);
    void MoveHigh(int units);

    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }
    int Step() const { return m_step; }
    int Low() const { return m_low; }
    int High() const { return m_high; }

    // Pixels per value unit on an axis of `length` pixels.
    double Unit(int length) const;
    // Whole value units for a movement of `pixels` (truncated towards zero).
    int UnitsFor(int pixels, int length) const;
    // The low thumb's edge that faces the high thumb, and the high thumb's
    // edge that faces the low one, along the axis.
    int LowThumbEdge(int length) const;
    int HighThumbEdge(int length) const;
    // The tick positions: count, and the place of tick i along the axis; a
    // long tick stands at every multiple of half the number of steps.
    int TickCount() const;
    int TickPosition(int i, int length) const;
    bool IsLongTick(int i) const;

private:
    int m_minimum = 0;
    int m_maximum = 100;
    int m_step = 1;
    int m_low = 0;
    int m_high = 100;
};
