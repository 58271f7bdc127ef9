#include "CBoxScale.h"

#include "MagickCompat.h"

#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(GB_SCALE_AVX2)
#include <immintrin.h>
#endif

namespace {

constexpr size_t Lanes = MagickCompat::ScaleLanes;

// One axis of the scale: for each new pixel the old pixels it sums and
// their weights, in the order they are added.
struct SWeights {
    std::vector<size_t> start; // the terms of pixel i are [start[i], start[i + 1])
    std::vector<size_t> source;
    std::vector<double> weight;

    void Add(size_t from, double w)
    {
        source.push_back(from);
        weight.push_back(w);
    }
};

struct STerm {
    size_t source;
    double weight;
};

// The columns: a running sum over the old columns, each old column's width
// split between the new ones it falls in. A new column's sum is taken when
// its width is full; after the last old column a partial sum takes the
// rest of the last column's share. Walked exactly as the library walks it,
// floating-point steps included, so that the same rounding gives the same
// weights. False when the walk does not give each new column exactly once.
bool ColumnWeights(size_t from, size_t to, SWeights& weights)
{
    const double ratio = double(to) / double(from);
    std::vector<std::vector<STerm>> taken(to);
    std::vector<bool> done(to, false);
    std::vector<STerm> sum;
    bool next = false;
    double span = 1.0;
    size_t t = 0;
    const auto take = [&]() {
        if (t >= to)
            return false;
        taken[t] = sum;
        done[t] = true;
        return true;
    };
    for (size_t x = 0; x < from; ++x) {
        double scale = ratio;
        while (scale >= span) {
            if (next) {
                sum.clear();
                ++t;
            }
            sum.push_back({x, span});
            if (!take())
                return false;
            scale -= span;
            span = 1.0;
            next = true;
        }
        if (scale > 0) {
            if (next) {
                sum.clear();
                next = false;
                ++t;
            }
            sum.push_back({x, scale});
            span -= scale;
        }
    }
    if (span > 0)
        sum.push_back({from - 1, span});
    if (!next && t < to && !take())
        return false;
    for (size_t i = 0; i < to; ++i) {
        if (!done[i] || taken[i].empty())
            return false;
        weights.start.push_back(weights.source.size());
        for (const STerm& term : taken[i])
            weights.Add(term.source, term.weight);
    }
    weights.start.push_back(weights.source.size());
    return true;
}

// The rows: the same split of old rows between new ones, walked as the
// library walks it, which reads a new old row only when the last one is
// used up and keeps summing the last row when the rows run out.
bool RowWeights(size_t from, size_t to, SWeights& weights)
{
    if (from == to) {
        for (size_t y = 0; y < to; ++y) {
            weights.start.push_back(y);
            weights.Add(y, 1.0);
        }
        weights.start.push_back(to);
        return true;
    }
    const double ratio = double(to) / double(from);
    size_t read = 0;
    size_t current = 0;
    bool next = true;
    double span = 1.0;
    double scale = ratio;
    const auto readRow = [&]() {
        if (next && read < from)
            current = read++;
        return read > 0;
    };
    for (size_t y = 0; y < to; ++y) {
        weights.start.push_back(weights.source.size());
        while (scale < span) {
            if (!readRow())
                return false;
            weights.Add(current, scale);
            span -= scale;
            scale = ratio;
            next = true;
        }
        if (next && read < from) {
            current = read++;
            next = false;
        }
        if (read == 0)
            return false;
        weights.Add(current, span);
        scale -= span;
        if (scale <= 0) {
            scale = ratio;
            next = true;
        }
        span = 1.0;
    }
    weights.start.push_back(weights.source.size());
    return true;
}

// The most old rows a new row sums in one pass.
constexpr size_t FusedRows = 3;

// One new row of one to FusedRows old rows: their weighted sum, value by
// value, the rows added in order (w0 * row0, then + w * row for each
// further row), in one pass.
void SumRows(double* __restrict sum, const double* const* rows, const double* weights, size_t terms, size_t count)
{
    size_t i = 0;
#if defined(__SSE2__)
    const __m128d w0 = _mm_set1_pd(weights[0]);
    const double* __restrict r0 = rows[0];
    if (terms == 1) {
        for (; i + 4 <= count; i += 4) {
            _mm_storeu_pd(sum + i, _mm_mul_pd(w0, _mm_loadu_pd(r0 + i)));
            _mm_storeu_pd(sum + i + 2, _mm_mul_pd(w0, _mm_loadu_pd(r0 + i + 2)));
        }
    } else if (terms == 2) {
        const __m128d w1 = _mm_set1_pd(weights[1]);
        const double* __restrict r1 = rows[1];
        for (; i + 4 <= count; i += 4) {
            const __m128d a = _mm_mul_pd(w0, _mm_loadu_pd(r0 + i));
            const __m128d b = _mm_mul_pd(w0, _mm_loadu_pd(r0 + i + 2));
            _mm_storeu_pd(sum + i, _mm_add_pd(a, _mm_mul_pd(w1, _mm_loadu_pd(r1 + i))));
            _mm_storeu_pd(sum + i + 2, _mm_add_pd(b, _mm_mul_pd(w1, _mm_loadu_pd(r1 + i + 2))));
        }
    } else if (terms == 3) {
        const __m128d w1 = _mm_set1_pd(weights[1]);
        const __m128d w2 = _mm_set1_pd(weights[2]);
        const double* __restrict r1 = rows[1];
        const double* __restrict r2 = rows[2];
        for (; i + 2 <= count; i += 2) {
            const __m128d a = _mm_add_pd(_mm_mul_pd(w0, _mm_loadu_pd(r0 + i)), _mm_mul_pd(w1, _mm_loadu_pd(r1 + i)));
            _mm_storeu_pd(sum + i, _mm_add_pd(a, _mm_mul_pd(w2, _mm_loadu_pd(r2 + i))));
        }
    }
#endif
    for (; i < count; ++i) {
        double value = weights[0] * rows[0][i];
        for (size_t k = 1; k < terms; ++k)
            value += weights[k] * rows[k][i];
        sum[i] = value;
    }
}

// The columns as the row loop takes them: each new pixel either the sum of
// two neighbouring old pixels (the common case of a reduction by less than
// half), weights stored twice over for whole-register loads, or the
// general list of terms.
struct SColumnPlan {
    struct SPair {
        alignas(16) double first[2];
        alignas(16) double second[2];
        size_t source; // the first of the two old pixels; npos: general
    };
    std::vector<SPair> pairs;
    const SWeights* weights = nullptr;

    explicit SColumnPlan(const SWeights& columns) : weights(&columns)
    {
        const size_t count = columns.start.size() - 1;
        pairs.resize(count);
        for (size_t t = 0; t < count; ++t) {
            const size_t begin = columns.start[t];
            SPair& pair = pairs[t];
            pair.source = size_t(-1);
            if (columns.start[t + 1] - begin == 2 && columns.source[begin + 1] == columns.source[begin] + 1) {
                pair.source = columns.source[begin];
                pair.first[0] = pair.first[1] = columns.weight[begin];
                pair.second[0] = pair.second[1] = columns.weight[begin + 1];
            }
        }
    }
};

// Each new pixel of a row: its old pixels' weighted sum, lane by lane.
void SumColumns(const SColumnPlan& plan, const double* __restrict row, double* __restrict out)
{
    const SWeights& columns = *plan.weights;
    const size_t count = plan.pairs.size();
    for (size_t t = 0; t < count; ++t, out += Lanes) {
#if defined(__SSE2__)
        static_assert(Lanes == 4, "two pairs of lanes");
        const SColumnPlan::SPair& pair = plan.pairs[t];
        if (pair.source != size_t(-1)) {
            const double* p = row + pair.source * Lanes;
            const __m128d w0 = _mm_load_pd(pair.first);
            const __m128d w1 = _mm_load_pd(pair.second);
            _mm_storeu_pd(out, _mm_add_pd(_mm_mul_pd(w0, _mm_loadu_pd(p)), _mm_mul_pd(w1, _mm_loadu_pd(p + 4))));
            _mm_storeu_pd(out + 2,
                          _mm_add_pd(_mm_mul_pd(w0, _mm_loadu_pd(p + 2)), _mm_mul_pd(w1, _mm_loadu_pd(p + 6))));
            continue;
        }
        const size_t begin = columns.start[t];
        const size_t end = columns.start[t + 1];
        __m128d weight = _mm_set1_pd(columns.weight[begin]);
        const double* p = row + columns.source[begin] * Lanes;
        __m128d low = _mm_mul_pd(weight, _mm_loadu_pd(p));
        __m128d high = _mm_mul_pd(weight, _mm_loadu_pd(p + 2));
        for (size_t k = begin + 1; k < end; ++k) {
            weight = _mm_set1_pd(columns.weight[k]);
            p = row + columns.source[k] * Lanes;
            low = _mm_add_pd(low, _mm_mul_pd(weight, _mm_loadu_pd(p)));
            high = _mm_add_pd(high, _mm_mul_pd(weight, _mm_loadu_pd(p + 2)));
        }
        _mm_storeu_pd(out, low);
        _mm_storeu_pd(out + 2, high);
#else
        const size_t begin = columns.start[t];
        const size_t end = columns.start[t + 1];
        for (size_t lane = 0; lane < Lanes; ++lane) {
            double sum = columns.weight[begin] * row[columns.source[begin] * Lanes + lane];
            for (size_t k = begin + 1; k < end; ++k)
                sum += columns.weight[k] * row[columns.source[k] * Lanes + lane];
            out[lane] = sum;
        }
#endif
    }
}

#if defined(GB_SCALE_AVX2)
// The same sums with a whole pixel (four lanes) a register: the same
// products and additions in the same order, so the same bits.
__attribute__((target("avx2"))) void SumRowsAvx2(double* __restrict sum, const double* const* rows,
                                                 const double* weights, size_t terms, size_t count)
{
    static_assert(Lanes == 4, "a pixel a register");
    const __m256d w0 = _mm256_set1_pd(weights[0]);
    const double* __restrict r0 = rows[0];
    if (terms == 1) {
        for (size_t i = 0; i < count; i += 4)
            _mm256_storeu_pd(sum + i, _mm256_mul_pd(w0, _mm256_loadu_pd(r0 + i)));
    } else if (terms == 2) {
        const __m256d w1 = _mm256_set1_pd(weights[1]);
        const double* __restrict r1 = rows[1];
        for (size_t i = 0; i < count; i += 4)
            _mm256_storeu_pd(sum + i, _mm256_add_pd(_mm256_mul_pd(w0, _mm256_loadu_pd(r0 + i)),
                                                    _mm256_mul_pd(w1, _mm256_loadu_pd(r1 + i))));
    } else {
        const __m256d w1 = _mm256_set1_pd(weights[1]);
        const __m256d w2 = _mm256_set1_pd(weights[2]);
        const double* __restrict r1 = rows[1];
        const double* __restrict r2 = rows[2];
        for (size_t i = 0; i < count; i += 4) {
            const __m256d a = _mm256_add_pd(_mm256_mul_pd(w0, _mm256_loadu_pd(r0 + i)),
                                            _mm256_mul_pd(w1, _mm256_loadu_pd(r1 + i)));
            _mm256_storeu_pd(sum + i, _mm256_add_pd(a, _mm256_mul_pd(w2, _mm256_loadu_pd(r2 + i))));
        }
    }
}

__attribute__((target("avx2"))) void SumColumnsAvx2(const SColumnPlan& plan, const double* __restrict row,
                                                    double* __restrict out)
{
    const SWeights& columns = *plan.weights;
    const size_t count = plan.pairs.size();
    for (size_t t = 0; t < count; ++t, out += Lanes) {
        const SColumnPlan::SPair& pair = plan.pairs[t];
        if (pair.source != size_t(-1)) {
            const double* p = row + pair.source * Lanes;
            const __m256d a = _mm256_mul_pd(_mm256_broadcast_sd(pair.first), _mm256_loadu_pd(p));
            const __m256d b = _mm256_mul_pd(_mm256_broadcast_sd(pair.second), _mm256_loadu_pd(p + 4));
            _mm256_storeu_pd(out, _mm256_add_pd(a, b));
            continue;
        }
        const size_t begin = columns.start[t];
        const size_t end = columns.start[t + 1];
        __m256d sum = _mm256_mul_pd(_mm256_broadcast_sd(&columns.weight[begin]),
                                    _mm256_loadu_pd(row + columns.source[begin] * Lanes));
        for (size_t k = begin + 1; k < end; ++k)
            sum = _mm256_add_pd(sum, _mm256_mul_pd(_mm256_broadcast_sd(&columns.weight[k]),
                                                   _mm256_loadu_pd(row + columns.source[k] * Lanes)));
        _mm256_storeu_pd(out, sum);
    }
}
#endif

// Destroys a core image unless released.
struct SImageOwner {
    MagickCore::Image* image = nullptr;
    ~SImageOwner()
    {
        if (image)
            MagickCore::DestroyImage(image);
    }
    MagickCore::Image* Release()
    {
        MagickCore::Image* released = image;
        image = nullptr;
        return released;
    }
};

enum class EOutcome { Done, Failed, Stopped };

// sum = w * row (first) or sum += w * row: one old row of a new row that
// sums more than FusedRows.
void AddRow(double* __restrict sum, const double* __restrict row, double w, size_t count, bool first)
{
    size_t i = 0;
#if defined(__SSE2__)
    const __m128d weight = _mm_set1_pd(w);
    if (first) {
        for (; i + 2 <= count; i += 2)
            _mm_storeu_pd(sum + i, _mm_mul_pd(weight, _mm_loadu_pd(row + i)));
    } else {
        for (; i + 2 <= count; i += 2)
            _mm_storeu_pd(sum + i, _mm_add_pd(_mm_loadu_pd(sum + i), _mm_mul_pd(weight, _mm_loadu_pd(row + i))));
    }
#endif
    for (; i < count; ++i)
        sum[i] = first ? w * row[i] : sum[i] + w * row[i];
}

// The converted old rows a new row sums. Old rows come in order and a new
// row shares at most its first old row with the one before, so each old
// row is read and converted once.
class CRowWindow
{
public:
    CRowWindow(const Magick::Image& source, MagickCore::ExceptionInfo* exception)
        : m_reader(source, exception), m_values(source.columns() * Lanes)
    {
    }

    // The values of old row y; false when it cannot be read.
    const double* Row(size_t y)
    {
        for (SRow& row : m_rows)
            if (row.y == y)
                return row.values.data();
        // Reuse the buffer of the lowest row held (no later new row needs it).
        SRow* slot = nullptr;
        if (m_rows.size() < Held) {
            m_rows.push_back({y, std::vector<double>(m_values)});
            slot = &m_rows.back();
        } else {
            slot = &m_rows.front();
            for (SRow& row : m_rows)
                if (row.y < slot->y)
                    slot = &row;
        }
        slot->y = y;
        if (!m_reader.Read(y, slot->values.data()))
            return nullptr;
        return slot->values.data();
    }

private:
    struct SRow {
        size_t y;
        std::vector<double> values;
    };

    MagickCompat::RgbRowReader m_reader;
    size_t m_values;
    std::vector<SRow> m_rows;
    static constexpr size_t Held = FusedRows + 1;
};

EOutcome Fill(const Magick::Image& source, MagickCore::Image* target, const SWeights& rows,
              const SWeights& columns, MagickCore::ExceptionInfo* exception)
{
    const size_t width = source.columns();
    const bool sameColumns = width == target->columns;
    std::vector<double> sum(width * Lanes);
    std::vector<double> scaled(sameColumns ? 0 : target->columns * Lanes);
    CRowWindow window(source, exception);
    MagickCompat::RgbRowWriter writer(target, exception);
    std::vector<const double*> terms;
    const SColumnPlan plan(columns);
    for (size_t y = 0; y < target->rows; ++y) {
        const size_t begin = rows.start[y];
        const size_t end = rows.start[y + 1];
        terms.clear();
        for (size_t k = begin; k < end; ++k) {
            const double* row = window.Row(rows.source[k]);
            if (!row)
                return EOutcome::Failed;
            if (end - begin > FusedRows)
                AddRow(sum.data(), row, rows.weight[k], sum.size(), k == begin);
            else
                terms.push_back(row);
        }
        if (!terms.empty()) {
#if defined(GB_SCALE_AVX2)
            if (MagickCompat::HasAvx2())
                SumRowsAvx2(sum.data(), terms.data(), &rows.weight[begin], terms.size(), sum.size());
            else
#endif
                SumRows(sum.data(), terms.data(), &rows.weight[begin], terms.size(), sum.size());
        }
        const double* out = sum.data();
        if (!sameColumns) {
#if defined(GB_SCALE_AVX2)
            if (MagickCompat::HasAvx2())
                SumColumnsAvx2(plan, sum.data(), scaled.data());
            else
#endif
                SumColumns(plan, sum.data(), scaled.data());
            out = scaled.data();
        }
        if (!writer.Write(y, out))
            return EOutcome::Failed;
        if (!MagickCompat::ReportScaleProgress(source, y, source.rows()))
            return EOutcome::Stopped;
    }
    return EOutcome::Done;
}

} // namespace

bool CBoxScale::Takes(const Magick::Image& image)
{
    return MagickCompat::IsPlainRgb(image) && image.columns() > 0 && image.rows() > 0;
}

bool CBoxScale::Scale(Magick::Image& image, size_t columns, size_t rows)
{
    if (!Takes(image) || columns == 0 || rows == 0)
        return false;
    MagickCompat::CoreException exception;
    if (columns == image.columns() && rows == image.rows()) {
        MagickCore::Image* same = MagickCompat::SameSizeImage(image, exception.get());
        if (!same)
            return false;
        image.replaceImage(same);
        return true;
    }
    SWeights rowWeights;
    SWeights columnWeights;
    if (!RowWeights(image.rows(), rows, rowWeights) || !ColumnWeights(image.columns(), columns, columnWeights))
        return false;
    SImageOwner scaled {MagickCompat::NewScaledImage(image, columns, rows, exception.get())};
    if (!scaled.image)
        return false;
    switch (Fill(image, scaled.image, rowWeights, columnWeights, exception.get())) {
    case EOutcome::Done:
        image.replaceImage(scaled.Release());
        return true;
    case EOutcome::Stopped:
        // The library leaves an empty image when its monitor stops a scale.
        image.replaceImage(nullptr);
        return true;
    case EOutcome::Failed:
        break;
    }
    return false;
}
