#include "CBoxScale.h"

#include "MagickCompat.h"

#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
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

// sum = w * row (first) or sum += w * row, over `count` values (even).
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

// Each new pixel of a row: its old pixels' weighted sum, lane by lane.
void SumColumns(const SWeights& columns, const double* __restrict row, double* __restrict out)
{
    const size_t count = columns.start.size() - 1;
    for (size_t t = 0; t < count; ++t, out += Lanes) {
        const size_t begin = columns.start[t];
        const size_t end = columns.start[t + 1];
#if defined(__SSE2__)
        static_assert(Lanes == 4, "two pairs of lanes");
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
        for (size_t lane = 0; lane < Lanes; ++lane) {
            double sum = columns.weight[begin] * row[columns.source[begin] * Lanes + lane];
            for (size_t k = begin + 1; k < end; ++k)
                sum += columns.weight[k] * row[columns.source[k] * Lanes + lane];
            out[lane] = sum;
        }
#endif
    }
}

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

EOutcome Fill(const Magick::Image& source, MagickCore::Image* target, const SWeights& rows,
              const SWeights& columns, MagickCore::ExceptionInfo* exception)
{
    const size_t width = source.columns();
    const size_t sameColumns = width == target->columns;
    std::vector<double> row(width * Lanes);
    std::vector<double> sum(width * Lanes);
    std::vector<double> scaled(sameColumns ? 0 : target->columns * Lanes);
    MagickCompat::RgbRowReader reader(source, exception);
    MagickCompat::RgbRowWriter writer(target, exception);
    size_t loaded = size_t(-1);
    for (size_t y = 0; y < target->rows; ++y) {
        for (size_t k = rows.start[y]; k < rows.start[y + 1]; ++k) {
            // Old rows come in order; each is read once.
            if (rows.source[k] != loaded) {
                if (!reader.Read(rows.source[k], row.data()))
                    return EOutcome::Failed;
                loaded = rows.source[k];
            }
            AddRow(sum.data(), row.data(), rows.weight[k], sum.size(), k == rows.start[y]);
        }
        const double* out = sum.data();
        if (!sameColumns) {
            SumColumns(columns, sum.data(), scaled.data());
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
