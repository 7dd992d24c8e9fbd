#include "records.h"

#include "planning/rules.h"
#include "writers.h"

namespace velmora::cli {

namespace {

Value textOrEmpty(const std::string& text)
{
    return text.empty() ? Value() : Value(text);
}

// Moves the fields in, built in place: a sweep describes a million rows.
template <std::size_t N> void appendAll(Record& into, Field (&&fields)[N])
{
    for (Field& field : fields)
        into.push_back(std::move(field));
}

void appendTrain(Record& into, const ChosenTrain& chosen)
{
    const optics::OpticalTrain& t = chosen.train;
    appendAll(into,
        {
            {"telescope", "Telescope", "", textOrEmpty(chosen.telescope), {}, true},
            {"camera", "Camera", "", textOrEmpty(chosen.camera), {}, true},
            {"aperture_mm", "Aperture", "mm", t.aperture},
            {"focal_length_mm", "Focal length", "mm", t.focalLength},
            {"pixel_um", "Pixel size", "um", t.pixelSize},
            {"width_px", "Sensor width", "px", t.width},
            {"height_px", "Sensor height", "px", t.height},
            {"barlow", "Barlow or reducer", "x", t.barlow},
            {"binning", "Binning", "", std::int64_t {t.binning}},
            {"effective_focal_length_mm", "Effective focal length", "mm", t.effectiveFocalLength()},
            {"effective_pixel_um", "Effective pixel size", "um", t.effectivePixelSize()},
            {"effective_width_px", "Effective width", "px", t.effectiveWidth()},
            {"effective_height_px", "Effective height", "px", t.effectiveHeight()},
        });
}

void appendResults(Record& into, const Outcome& outcome)
{
    const std::size_t first = into.size();
    for (const Quantity& q : kQuantities)
        into.push_back({q.id, q.englishName, q.unit, {}});
    for (const Result& result : outcome.results) {
        Field& field = into[first + static_cast<std::size_t>(result.quantity - kQuantities.data())];
        field.value = result.value;
        field.text = result.text;
    }
}

void appendSamplingSummary(Record& into, const std::optional<optics::SamplingAdvice>& a)
{
    appendAll(into,
        {
            {"seeing_arcsec", "Seeing", "arcsec", a ? Value(a->seeing) : Value()},
            {"pixels_per_fwhm", "Px/FWHM", "px", a ? Value(a->pixelsPerFwhm) : Value()},
            {"verdict", "Sampling", "", a ? Value(std::string(optics::verdictText(a->verdict))) : Value()},
        });
}

} // namespace

Record trainRecord(const ChosenTrain& chosen)
{
    Record record;
    appendTrain(record, chosen);
    return record;
}

Record sourcesRecord(const ChosenTrain& chosen)
{
    const planning::TrainSources& s = chosen.sources;
    return {
        {"aperture_mm", "Aperture from", "", s.aperture},
        {"focal_length_mm", "Focal length from", "", s.focalLength},
        {"pixel_um", "Pixel size from", "", s.pixelSize},
        {"width_px", "Sensor width from", "", s.width},
        {"height_px", "Sensor height from", "", s.height},
        {"binning", "Binning from", "", s.binning},
    };
}

Record resultsRecord(const Outcome& outcome)
{
    Record record;
    appendResults(record, outcome);
    return record;
}

Record resultEntry(const Field& result)
{
    return {{"id", "", "", std::string(result.id)}, {"value", "", "", result.value},
        {"text", "", "", std::string(result.text)}, {"unit", "", "", std::string(result.unit)}};
}

Record samplingRecord(const optics::SamplingAdvice& a)
{
    std::vector<std::int64_t> binnings(a.goodBinnings.begin(), a.goodBinnings.end());
    return {
        {"rule", "Rule", "", std::string(a.rule->id)},
        {"rule_statement", "Statement", "", std::string(a.rule->statement)},
        {"seeing_arcsec", "Seeing (FWHM)", "arcsec", a.seeing},
        {"pixel_field_arcsec", "Pixel field", "arcsec/px", a.pixelField},
        {"pixels_per_fwhm", "Pixels across the FWHM", "px", a.pixelsPerFwhm},
        {"verdict", "Verdict", "", std::string(optics::verdictText(a.verdict))},
        {"barlow_range", "Barlow or reducer for the window", "x", std::vector<double> {a.fewestBarlow, a.mostBarlow}},
        {"good_binnings", "Binnings 1 to 4 in the window", "", std::move(binnings)},
        {"wavelength_nm", "Wavelength", "nm", a.wavelength},
        {"critical_focal_ratio", "Critical focal ratio, f = 2 p / lambda", "", a.criticalFocalRatio},
        {"barlow_for_critical_focal_ratio", "Barlow on the bare tube to reach it", "x", a.barlowForCriticalRatio},
    };
}

Record samplingSummaryRecord(const std::optional<optics::SamplingAdvice>& advice)
{
    Record record;
    appendSamplingSummary(record, advice);
    return record;
}

namespace {

std::string passageText(sky::Passage passage)
{
    switch (passage) {
    case sky::Passage::AlwaysAbove:
        return "always above";
    case sky::Passage::NeverAbove:
        return "never above";
    case sky::Passage::RisesAndSets:
        break;
    }
    return "rises and sets";
}

void appendSiteView(Record& into, const sky::SiteView& v)
{
    appendAll(into,
        {
            {"altitude_deg", "Altitude", "deg", v.altitude},
            {"azimuth_deg", "Azimuth", "deg", v.azimuth},
            {"horizon", "Horizon", "", passageText(v.passage)},
            {"rise_utc", "Rises", "UTC", timeOrEmpty(v.rise)},
            {"transit_utc", "Transit", "UTC", timeOrEmpty(v.transit)},
            {"set_utc", "Sets", "UTC", timeOrEmpty(v.set)},
            {"transit_altitude_deg", "At transit", "deg", numberOrEmpty(v.transitAltitude)},
            {"window_start_utc", "High from", "UTC", timeOrEmpty(v.windowStart)},
            {"window_end_utc", "High until", "UTC", timeOrEmpty(v.windowEnd)},
            {"dispersion_arcsec", "Dispersion", "arcsec", numberOrEmpty(v.dispersionArcsec)},
            {"dispersion_px", "Dispersion", "px", numberOrEmpty(v.dispersionPixels)},
            {"dispersion_rough", "Rough", "", v.dispersionPixels ? Value(v.dispersionRough) : Value()},
            {"dispersion_corrector_advised", "Corrector", "",
                v.dispersionPixels ? Value(planning::isCorrectorAdvised(*v.dispersionPixels)) : Value()},
            {"field_rotation_arcsec_per_s", "Field turns", "arcsec/s", numberOrEmpty(v.rotationRate), {}, true},
            {"longest_exposure_s", "Longest exposure", "s", numberOrEmpty(v.longestExposure), {}, true},
        });
}

} // namespace

Record siteViewRecord(const sky::SiteView& view)
{
    Record record;
    appendSiteView(record, view);
    return record;
}

Record siteRecord(const sky::Observation& o, double sunAltitude)
{
    return {
        {"latitude_deg", "Latitude", "deg", o.site.latitude},
        {"longitude_deg", "Longitude", "deg", o.site.longitude},
        {"elevation_m", "Elevation", "m", o.site.elevation},
        {"pressure_hpa", "Pressure", "hPa", o.air().pressure},
        {"temperature_c", "Temperature", "C", o.temperature},
        {"humidity_percent", "Humidity", "%", o.humidity},
        {"min_altitude_deg", "Lowest altitude for imaging", "deg", o.minAltitude},
        {"band_nm", "Band", "nm", std::vector<double> {o.shortest, o.longest}},
        {"mount", "Mount", "", std::string(o.altAzMount ? "altaz" : "eq")},
        {"sun_altitude_deg", "Sun's altitude", "deg", sunAltitude},
        {"sky", "Sky", "", std::string(sky::skyKind(sunAltitude))},
    };
}

Record bodyRecord(const sky::BodyView& b, const sky::UtcMoment& moment)
{
    const auto frames = b.mosaic.frames();
    Record record = {
        {"date", "Date", "", sky::isoText(moment)},
        {"body", "Body", "", std::string(b.facts->name)},
        {"distance_km", "Distance", "km", b.distanceKm},
        {"apparent_diameter_arcsec", "Diameter", "arcsec", b.apparentDiameterArcsec},
        {"km_per_pixel", "Pixel covers", "km/px", b.kmPerPixel},
        {"disk_px", "Disk", "px", b.diskPixels},
        {"fits_sensor", "Fits", "", b.fitsSensor},
        {"mosaic_columns", "Mosaic columns", "", static_cast<double>(b.mosaic.columns)},
        {"mosaic_rows", "Mosaic rows", "", static_cast<double>(b.mosaic.rows)},
        {"mosaic_frames", "Frames", "", frames ? Value(static_cast<double>(*frames)) : Value()},
        {"illuminated_fraction", "Lit", "", b.illuminatedFraction},
        {"max_capture_s", "Longest capture", "s", numberOrEmpty(b.maxCaptureSeconds), {}, true},
    };
    if (b.fromSite)
        appendSiteView(record, *b.fromSite);
    return record;
}

Record telescopeRecord(const optics::Telescope& t)
{
    return {{"name", "Name", "", t.name}, {"aperture_mm", "Aperture", "mm", t.aperture},
        {"focal_length_mm", "Focal length", "mm", t.focalLength}};
}

Record cameraRecord(const optics::Camera& c)
{
    return {{"name", "Name", "", c.name}, {"pixel_um", "Pixel size", "um", c.pixelSize},
        {"width_px", "Width", "px", c.width}, {"height_px", "Height", "px", c.height},
        {"pixel_height_um", "Pixel height", "um", c.pixelHeight > 0 ? Value(c.pixelHeight) : Value(), {}, true}};
}

Record lensRecord(const optics::Lens& l)
{
    return {{"name", "Name", "", l.name}, {"factor", "Factor", "x", l.factor}};
}

void sweepRecord(const Computation& computation, bool withSampling, Record& into)
{
    into.clear();
    appendTrain(into, computation.chosen);
    for (Field& field : into)
        field.omitWhenEmpty = false;
    appendResults(into, computation.outcome);
    if (withSampling)
        appendSamplingSummary(into, computation.sampling);
}

Record sweepRecord(const Computation& computation, bool withSampling)
{
    Record record;
    sweepRecord(computation, withSampling, record);
    return record;
}

} // namespace velmora::cli
