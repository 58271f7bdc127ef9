#include "CImageFilters.h"

#include "Common.h"
#include "FilterBounds.h"
#include "MagickCompat.h"
#include "TransformMath.h"

#include <cmath>
#include <exception>

namespace {
// Clears a pointer member when the dispatch ends, however it ends.
class ScopedPointer
{
public:
    ScopedPointer(MagickCore::ExceptionInfo*& slot, MagickCore::ExceptionInfo* value) : m_slot(slot)
    {
        m_slot = value;
    }
    ~ScopedPointer() { m_slot = nullptr; }
    ScopedPointer(const ScopedPointer&) = delete;
    ScopedPointer& operator=(const ScopedPointer&) = delete;

private:
    MagickCore::ExceptionInfo*& m_slot;
};
} // namespace

CImageFilters::CImageFilters() = default;

CImageFilters::~CImageFilters() = default;

double CImageFilters::P(int n) const
{
    if (n < 0 || n >= SFilterRecord::MaxParams)
        return 0.0;
    return m_record.params[n];
}

int CImageFilters::PInt(int n) const
{
    return TransformMath::ToInt(P(n));
}

bool CImageFilters::Apply()
{
    m_error.clear();
    if (!m_target || !m_target->isValid())
        return false;
    // Job files can carry "nan" or "inf"; ImageMagick's kernel sizing never
    // ends for a NaN radius, so such a record is refused untouched.
    for (int i = 0; i < SFilterRecord::MaxParams; ++i) {
        if (!std::isfinite(m_record.params[i])) {
            SystemLogWrite("Apply", QString("! ImageFilters::Apply Error: parameter %1 is not a finite number").arg(i));
            return false;
        }
    }
    // A value whose cost has no limit is refused before any work starts.
    m_error = FilterBounds::Check(m_record);
    if (!m_error.isEmpty()) {
        SystemLogWrite("Apply", "! ImageFilters::Apply Error: " + m_error);
        return false;
    }

    MagickCompat::CoreException exception;
    ScopedPointer current(m_exception, exception.get());
    try {
        // Filters work on standard sRGB values: a greyscale photo keeps its greys.
        MagickCompat::GreyToSrgb(*m_target);
        return Dispatch(m_record.filterId);
    } catch (const Magick::Warning& warning) {
        // Magick++ raises warnings after the operation has finished: the
        // image is complete, so the filter counts as applied.
        SystemLogWrite("Apply", QString("! ImageFilters::Apply Warning: ") + QString::fromUtf8(warning.what()));
        return true;
    } catch (const FilterBounds::OutOfBounds& error) {
        m_error = error.Message();
        SystemLogWrite("Apply", "! ImageFilters::Apply Error: " + m_error);
    } catch (const Magick::Exception& error) {
        m_error = QString::fromUtf8(error.what());
        SystemLogWrite("Apply", QString("! ImageFilters::Apply Error: ") + QString::fromUtf8(error.what()));
    } catch (const std::exception& error) {
        SystemLogWrite("Apply", QString("! ImageFilters::Apply Error: ") + QString::fromUtf8(error.what()));
    } catch (...) {
        SystemLogWrite("Apply", "! ImageFilters::Apply Error: unknown exception");
    }
    return false;
}

bool CImageFilters::Dispatch(quint32 id)
{
    switch (id / 1000) {
    case 1:
        return ApplyMark(id);
    case 2:
        return ApplyFrame(id);
    case 3:
        return ApplyEffect(id);
    case 4:
        return ApplyAdjustment(id);
    case 5:
        return ApplyTransform(id);
    default:
        return false;
    }
}
