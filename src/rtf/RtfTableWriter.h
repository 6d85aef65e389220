#pragma once

namespace veldra::rtf
{

class RtfTextWriter;
struct RtfTable;

// Writes a kept table as a QTextTable where the writer stands, its cells'
// content included, and leaves the writer after it. The columns are the
// union of the rows' cell edges, so that cells of different rows that share
// an edge line up, and a cell that spans edges of other rows spans columns.
void WriteTable(RtfTextWriter &writer, const RtfTable &table);

} // namespace veldra::rtf
