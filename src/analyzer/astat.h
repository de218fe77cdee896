#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zuk::analyzer {

// Where a statistic writes its report. The analyzer window implements it
// over its output pane (forwarding lines to the GUI thread in order); tests
// and zuk-text collect the lines in a vector.
class ReportSink {
public:
    virtual ~ReportSink() = default;
    virtual void append(const std::string& line) = 0;
    // Brackets a run of lines the pane should repaint once for.
    virtual void beginUpdate() {}
    virtual void endUpdate() {}
    // Lines written but not yet taken by whoever shows them. A statistic on a
    // worker holds while this is large, so that a report of millions of lines
    // is never queued whole beside the pane that shows it. Called from the
    // writing thread; a sink that takes its lines at once has none.
    virtual std::size_t backlog() const { return 0; }
};

class LinesSink final : public ReportSink {
public:
    void append(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

// A statistic over a text.
class CAStat {
public:
    virtual ~CAStat() = default;
    // Runs the analysis and appends its report; false when the job was
    // stopped before the report was complete.
    virtual bool Report(ReportSink& lines) = 0;
};

} // namespace zuk::analyzer
