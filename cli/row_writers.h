#pragma once

#include "writers.h"

#include <iosfwd>
#include <memory>
#include <string_view>
#include <vector>

// The three kinds of row writer, which rowWriter() chooses among.
namespace velmora::cli {

std::unique_ptr<RowWriter> jsonRows(std::ostream& out, std::size_t rowsBefore, const sky::TimeZone* zone);
std::unique_ptr<RowWriter> csvRows(std::ostream& out, std::size_t rowsBefore, const sky::TimeZone* zone);
std::unique_ptr<RowWriter> textRows(
    std::ostream& out, std::vector<std::string_view> columns, const sky::TimeZone* zone);

} // namespace velmora::cli
