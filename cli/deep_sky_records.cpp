#include "records.h"

#include "formats/readable_number.h"

namespace velmora::cli {

namespace {

// What the catalogue left out and was assumed, said beside the figures.
std::string assumptions(const sky::TargetFraming& f)
{
    std::string notes;
    if (f.shape.roundAssumed)
        notes = "no minor axis in the catalogue: taken as round";
    if (f.shape.angleAssumed)
        notes += (notes.empty() ? "" : "; ") + std::string("no position angle in the catalogue: taken as 0 deg");
    if (!f.fits() && !f.mosaic)
        notes += (notes.empty() ? "" : "; ") + std::string("a mosaic would need more than ") +
            formats::readableNumber(sky::kMostMosaicFrames) + " frames";
    return notes;
}

} // namespace

Record targetRecord(const sky::TargetFraming& f)
{
    const sky::DeepSkyObject& o = *f.object;
    const auto& mosaic = f.mosaic;
    const auto mosaicFigure = [&mosaic](double (*figure)(const sky::FramedMosaic&)) {
        return mosaic ? Value(figure(*mosaic)) : Value();
    };
    const std::string notes = assumptions(f);
    return {
        {"target", "Target", "", o.displayName()},
        {"catalogue_name", "Catalogue name", "", o.name},
        {"type", "Type", "", std::string(o.type->words)},
        {"kinds", "Kinds", "", sky::deepSkyFamilyText(o.type->families)},
        {"ra", "RA (J2000)", "", o.rightAscension.empty() ? Value() : Value(o.rightAscension)},
        {"dec", "Dec (J2000)", "", o.declination.empty() ? Value() : Value(o.declination)},
        {"ra_deg", "RA", "deg", numberOrEmpty(o.rightAscensionDeg)},
        {"dec_deg", "Dec", "deg", numberOrEmpty(o.declinationDeg)},
        {"magnitude", "Magnitude", "", numberOrEmpty(o.magnitude)},
        {"magnitude_band", "Magnitude band", "", o.magnitudeBand ? Value(std::string(1, o.magnitudeBand)) : Value()},
        {"major_axis_arcmin", "Major axis", "arcmin", f.shape.outline.majorAxis},
        {"minor_axis_arcmin", "Minor axis", "arcmin", f.shape.outline.minorAxis},
        {"position_angle_deg", "Position angle", "deg", f.shape.outline.positionAngle},
        {"field_width_arcmin", "Field width", "arcmin", f.field.width},
        {"field_height_arcmin", "Field height", "arcmin", f.field.height},
        {"margin_at_0", "Margin at camera angle 0", "", f.margin.atZero},
        {"best_angle_deg", "Best camera angle", "deg", f.margin.bestAngle},
        {"best_margin", "Margin there", "", f.margin.best},
        {"fits", "Fits", "", f.fits()},
        {"fill", "Fill", "", f.fill()},
        {"mosaic_columns", "Mosaic columns", "",
            mosaicFigure([](const sky::FramedMosaic& m) { return double(m.grid.columns); })},
        {"mosaic_rows", "Mosaic rows", "",
            mosaicFigure([](const sky::FramedMosaic& m) { return double(m.grid.rows); })},
        {"mosaic_frames", "Frames", "", mosaicFigure([](const sky::FramedMosaic& m) { return double(m.frames()); })},
        {"mosaic_angle_deg", "Mosaic camera angle", "deg",
            mosaicFigure([](const sky::FramedMosaic& m) { return m.cameraAngle; })},
        {"overlap_percent", "Overlap", "%",
            mosaicFigure([](const sky::FramedMosaic& m) { return m.grid.overlap * 100; })},
        {"notes", "Notes", "", notes.empty() ? Value() : Value(notes)},
    };
}

Record rigFramingRecord(const std::string& telescope, const std::string& camera, const sky::TargetFraming& framing)
{
    Record record = {{"telescope", "Telescope", "", telescope}, {"camera", "Camera", "", camera}};
    for (Field& field : targetRecord(framing))
        record.push_back(std::move(field));
    return record;
}

} // namespace velmora::cli
