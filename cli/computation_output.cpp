#include "computation_output.h"

#include "formats/readable_number.h"
#include "planning/reading_order.h"
#include "records.h"
#include "sky/ephemeris.h"
#include "writers.h"

#include <algorithm>
#include <iterator>
#include <ostream>

namespace velmora::cli {

namespace {

using planning::Computation;

UtcTime momentOf(const sky::UtcMoment& m)
{
    return {sky::julianDay(m.year, m.month, m.day, m.hour, m.minute, m.second)};
}

Record withoutEmpty(Record record)
{
    std::erase_if(record, [](const Field& field) { return std::holds_alternative<std::monostate>(field.value); });
    return record;
}

// A section whose notes are a sentence: below the figures, not in their column.
void writeTextWithNotes(
    std::ostream& out, std::string_view title, Record record, std::string_view notesId, const sky::TimeZone* zone)
{
    out << '\n' << title << '\n';
    const auto notes = std::ranges::find(record, notesId, &Field::id);
    const std::string sentence = notes != record.end() ? std::get<std::string>(notes->value) : std::string();
    if (notes != record.end())
        record.erase(notes);
    writeTextRecord(out, record, {}, zone);
    if (!sentence.empty())
        out << "  " << sentence << '\n';
}

void writeText(std::ostream& out, const Computation& c, const sky::TimeZone* zone)
{
    out << "Optical train\n";
    writeTextRecord(out, trainRecord(c.chosen), sourcesRecord(c.chosen));

    Record results = resultsRecord(c.outcome);
    std::erase_if(results, [](const Field& field) { return std::holds_alternative<std::monostate>(field.value); });
    std::ranges::stable_sort(results, {}, [](const Field& field) { return planning::readingRank(field.id); });
    out << "\nResults\n";
    writeTextRecord(out, results);

    if (c.sampling) {
        out << "\nSampling (rule " << c.sampling->rule->id << ": " << c.sampling->rule->statement << ")\n";
        Record sampling = samplingRecord(*c.sampling);
        std::erase_if(sampling, [](const Field& field) { return field.id == "rule" || field.id == "rule_statement"; });
        writeTextRecord(out, sampling);
    }
    if (c.target) {
        out << "\nTarget\n";
        writeTextRecord(out, withoutEmpty(targetRecord(*c.target)));
    }
    if (!c.tiles.empty()) {
        out << "\nMosaic tiles (camera angle " << formats::readableNumber(c.target->mosaic->cameraAngle)
            << " deg, the sensor's height from north through east)\n";
        const auto table = rowWriter(out, {Format::Text, zone}, {"tile_column", "tile_row", "tile_ra", "tile_dec"});
        for (const sky::MosaicTile& tile : c.tiles)
            table->row(tileRecord(tile, c.target->mosaic->cameraAngle));
        table->finish();
    }
    if (c.night)
        writeTextWithNotes(out, "Tonight", withoutEmpty(nightRecord(*c.night)), "night_notes", zone);
    if (c.targetTonight) {
        out << "\nTarget from the site\n";
        writeTextRecord(out, withoutEmpty(targetSiteRecord(*c.targetTonight)), {}, zone);
    }
    if (c.exposure)
        writeTextWithNotes(
            out, "Exposure", withoutEmpty(exposureRecord(*c.exposure, c.target.has_value())), "exposure_notes", zone);
    if (c.sky) {
        out << "\nBodies on " << sky::isoText(c.sky->moment);
        if (zone)
            out << " (" << isoTime(momentOf(c.sky->moment), *zone) << ")";
        out << "\n";
        const std::vector<const sky::BodyView*> bodies = planning::bodiesOutward(*c.sky);
        const auto table = rowWriter(out, {Format::Text, zone},
            {"body", "distance_km", "apparent_diameter_arcsec", "km_per_pixel", "disk_px", "fits_sensor",
                "mosaic_frames", "illuminated_fraction", "max_capture_s"});
        for (const sky::BodyView* body : bodies)
            table->row(bodyRecord(*body, c.sky->moment));
        table->finish();
        if (c.sky->observation) {
            out << "\nFrom the site\n";
            writeTextRecord(out, siteRecord(*c.sky->observation, *c.sky->sunAltitude));
            out << '\n';
            const auto site = rowWriter(out, {Format::Text, zone},
                {"body", "altitude_deg", "azimuth_deg", "rise_utc", "transit_utc", "set_utc", "transit_altitude_deg",
                    "window_start_utc", "window_end_utc", "dispersion_px", "dispersion_rough", "longest_exposure_s"});
            for (const sky::BodyView* body : bodies)
                site->row(bodyRecord(*body, c.sky->moment));
            site->finish();
        }
    }
}

void writeJson(std::ostream& out, const Computation& c, const sky::TimeZone* zone)
{
    out << "{\n  \"inputs\": " << jsonObject(trainRecord(c.chosen))
        << ",\n  \"sources\": " << jsonObject(sourcesRecord(c.chosen)) << ",\n  \"results\": [";
    bool first = true;
    for (const Field& result : resultsRecord(c.outcome)) {
        if (std::holds_alternative<std::monostate>(result.value))
            continue;
        out << (first ? "\n    " : ",\n    ") << jsonObject(resultEntry(result));
        first = false;
    }
    out << (first ? "]" : "\n  ]");
    if (c.sampling)
        out << ",\n  \"sampling\": " << jsonObject(samplingRecord(*c.sampling));
    if (c.target)
        out << ",\n  \"target\": " << jsonObject(targetRecord(*c.target));
    if (!c.tiles.empty()) {
        out << ",\n  \"tiles\": [";
        for (std::size_t i = 0; i < c.tiles.size(); ++i)
            out << (i ? ",\n    " : "\n    ") << jsonObject(tileRecord(c.tiles[i], c.target->mosaic->cameraAngle));
        out << "\n  ]";
    }
    if (c.night)
        out << ",\n  \"night\": " << jsonObject(nightRecord(*c.night), zone);
    if (c.targetTonight)
        out << ",\n  \"target_site\": " << jsonObject(targetSiteRecord(*c.targetTonight), zone);
    if (c.exposure)
        out << ",\n  \"exposure\": " << jsonObject(exposureRecord(*c.exposure, c.target.has_value()));
    if (c.sky) {
        out << ",\n  \"date\": " << jsonValue(sky::isoText(c.sky->moment));
        if (zone)
            out << ",\n  \"date_local\": " << jsonValue(isoTime(momentOf(c.sky->moment), *zone));
        if (c.sky->observation)
            out << ",\n  \"site\": " << jsonObject(siteRecord(*c.sky->observation, *c.sky->sunAltitude));
        out << ",\n  \"bodies\": [";
        for (std::size_t i = 0; i < c.sky->bodies.size(); ++i)
            out << (i ? ",\n    " : "\n    ") << jsonObject(bodyRecord(c.sky->bodies[i], c.sky->moment), zone);
        out << (c.sky->bodies.empty() ? "]" : "\n  ]");
    }
    out << "\n}\n";
}

// The fields after `into`'s, moved in.
void append(Record& into, Record&& more)
{
    std::ranges::move(more, std::back_inserter(into));
}

// One table: the target's row (a row a mosaic tile, for a capture program
// to import) or else, on a date, the bodies; the night's and the exposure's
// fields follow on every row.
void writeCsv(std::ostream& out, const Computation& c, const sky::TimeZone* zone)
{
    const auto table = rowWriter(out, {Format::Csv, zone});
    const auto withNight = [&c](Record row) {
        if (c.night)
            append(row, nightRecord(*c.night));
        if (c.exposure)
            append(row, exposureRecord(*c.exposure, c.target.has_value()));
        return row;
    };
    if (c.sky && !c.target) {
        for (const sky::BodyView& body : c.sky->bodies)
            table->row(withNight(bodyRecord(body, c.sky->moment)));
    } else {
        Record row = sweepRecord(c, c.sampling.has_value());
        if (c.target) // the target's fields follow the train's on the one row
            append(row, targetRecord(*c.target));
        if (c.targetTonight)
            append(row, targetSiteRecord(*c.targetTonight));
        row = withNight(std::move(row));
        for (const sky::MosaicTile& tile : c.tiles) {
            Record tiled = row;
            append(tiled, tileRecord(tile, c.target->mosaic->cameraAngle));
            table->row(tiled);
        }
        if (c.tiles.empty())
            table->row(row);
    }
    table->finish();
}

} // namespace

void writeComputation(std::ostream& out, const Computation& computation, Style style)
{
    switch (style.format) {
    case Format::Text:
        return writeText(out, computation, style.zone);
    case Format::Json:
        return writeJson(out, computation, style.zone);
    case Format::Csv:
        return writeCsv(out, computation, style.zone);
    }
}

} // namespace velmora::cli
