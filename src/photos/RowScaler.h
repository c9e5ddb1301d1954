// Scales a picture that arrives row by row, as a decoder gives it, straight to the size it is kept
// at.
#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>
#include <vector>

// Linear interpolation across and down, between the two nearest pixels of the picture for the
// centre of each pixel of the result, as a painter's smooth scaling does; meant for shrinking to
// no less than half (averaging by whole blocks comes first) or for growing a little. Only the
// rows the result needs are scaled across, and the picture itself is never held whole.
class RowScaler final {
public:
    // Scales a picture of `from` pixels (at least 2 x 2) into `out`, which has the size wanted
    // once the picture is turned upright by its Exif `orientation`: each row is put in its
    // upright place as soon as it is made.
    RowScaler(QSize from, QImage& out, int orientation = 1);

    // Takes the picture's next row, `from.width()` pixels; the rows of `out` it completes are
    // written at once.
    void take(const QRgb* row);
    // A row of `from.width()` pixels to fill and hand to take(), for a caller that makes the rows.
    QRgb* spareRow() { return reinterpret_cast<QRgb*>(m_spare.scanLine(0)); }

private:
    // Where a pixel of the result lies between two of the picture, in one direction.
    struct Step {
        int first = 0;      // the nearer-left (or upper) pixel; the other is the next one
        quint16 weight = 0; // of the second pixel, in 256ths
    };
    static std::vector<Step> stepsFor(int from, int to);
    void scaleAcross(const QRgb* row, QRgb* out) const;
    void blendDown(const QRgb* upper, const QRgb* lower, int weight, QRgb* out) const;

    // A step across as 16-bit lanes: four times the first pixel's weight, four times the other's.
    struct alignas(16) Lanes {
        qint16 weights[8];
    };

    QImage& m_out;
    int m_orientation;
    QSize m_size; // of the result before it is turned upright
    std::vector<Step> m_across;
    std::vector<Lanes> m_acrossLanes;
    std::vector<Step> m_down;
    QImage m_spare;
    static constexpr int kMadeRows = 8;
    QImage m_made;      // rows of the result, before they are put in their upright place
    QImage m_scaled[2]; // the last two rows the result needs, scaled across, by row parity
    int m_row = 0;      // the picture's next row
    int m_target = 0;   // the next row of `out`
};
