#include "app/ui/emergencycopies.h"

#include "app/filenames.h"
#include "app/ui/crashhandler.h"
#include "codepages/charsets.h"
#include "codepages/unicodefile.h"
#include "editor/ui/ted.h"
#include "editor/ui/tedcontrol.h"

#include <atomic>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace zuk::app::ui {

namespace {

struct EmergencyDocument {
    char path[4096];
    editor::TedControl* control;
    codepages::CodePage codePage;
    codepages::FileEncoding encoding;
    char lineBreak[3]; // NUL-terminated
};

constexpr int kMaxEmergencyDocuments = 256;
EmergencyDocument g_emergency[kMaxEmergencyDocuments];
std::atomic<int> g_emergencyCount{0};
char g_emergencyBuffer[64 * 1024];

struct EmergencyWriter {
    int fd;
    size_t used = 0;
    bool ok = true;
    void flush()
    {
        size_t done = 0;
        while (ok && done < used) {
            const ssize_t n = ::write(fd, g_emergencyBuffer + done, used - done);
            if (n <= 0)
                ok = false;
            else
                done += static_cast<size_t>(n);
        }
        used = 0;
    }
    void put(char c)
    {
        if (used == sizeof g_emergencyBuffer)
            flush();
        g_emergencyBuffer[used++] = c;
    }
};

// One character as the document's file stores it: the code page's byte, or
// the character itself in UTF-8 or UTF-16 (the control holds only characters
// of the code page, so none is beyond the Basic Multilingual Plane).
void putChar(EmergencyWriter& out, const EmergencyDocument& doc, char32_t c)
{
    using codepages::FileEncoding;
    switch (doc.encoding) {
    case FileEncoding::CodePage: {
        const int byte = c < 0x80 ? static_cast<int>(c) : codepages::encodeChar(c, doc.codePage);
        out.put(byte < 0 ? '?' : static_cast<char>(byte));
        return;
    }
    case FileEncoding::Utf8:
    case FileEncoding::Utf8Bom:
        if (c < 0x80) {
            out.put(static_cast<char>(c));
        } else if (c < 0x800) {
            out.put(static_cast<char>(0xC0 | (c >> 6)));
            out.put(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.put(static_cast<char>(0xE0 | ((c >> 12) & 0x0F)));
            out.put(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.put(static_cast<char>(0x80 | (c & 0x3F)));
        }
        return;
    case FileEncoding::Utf16Le:
        out.put(static_cast<char>(c & 0xFF));
        out.put(static_cast<char>((c >> 8) & 0xFF));
        return;
    case FileEncoding::Utf16Be:
        out.put(static_cast<char>((c >> 8) & 0xFF));
        out.put(static_cast<char>(c & 0xFF));
        return;
    }
}

void putBreak(EmergencyWriter& out, const EmergencyDocument& doc)
{
    for (const char* b = doc.lineBreak; *b; ++b)
        putChar(out, doc, static_cast<unsigned char>(*b));
}

// Decodes the control's UTF-8 and writes it as the document's file stores it,
// every line followed by the file's break.
void writeEmergencyCopy(const EmergencyDocument& doc)
{
    const long length = doc.control->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    const auto* text = static_cast<const unsigned char*>(
        doc.control->SendScintillaPtrResult(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    if (!text || length < 0)
        return;
    const int fd = ::open(doc.path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return;
    EmergencyWriter out{fd};
    const std::string_view mark = codepages::byteOrderMark(doc.encoding);
    for (char b : mark)
        out.put(b);
    const bool softBreaks = doc.control->hasSoftBreaks();
    bool lineOpen = false;
    for (long i = 0; i < length;) {
        const unsigned char b = text[i];
        if (b == '\n' && softBreaks) { // a lone LF only cuts a long line
            ++i;
            continue;
        }
        if (b == '\r' || b == '\n') {
            i += (b == '\r' && i + 1 < length && text[i + 1] == '\n') ? 2 : 1;
            putBreak(out, doc);
            lineOpen = false;
            continue;
        }
        char32_t c = b;
        int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        if (extra)
            c = b & (0x3F >> extra);
        ++i;
        for (; extra > 0 && i < length; --extra, ++i)
            c = (c << 6) | (text[i] & 0x3F);
        putChar(out, doc, c);
        lineOpen = true;
    }
    if (lineOpen)
        putBreak(out, doc);
    out.flush();
    ::close(fd);
}

void emergencyHook()
{
    const int n = g_emergencyCount.load();
    for (int i = 0; i < n; ++i)
        writeEmergencyCopy(g_emergency[i]);
}

} // namespace

EmergencyCopies::~EmergencyCopies()
{
    clear();
}

void EmergencyCopies::install()
{
    // The reverse tables are made now, outside any signal context.
    for (codepages::CodePage cp :
         {codepages::CodePage::Win, codepages::CodePage::Dos, codepages::CodePage::Koi})
        codepages::encodeChar(0x0416, cp);
    setEmergencyHook(&emergencyHook);
}

void EmergencyCopies::clear()
{
    g_emergencyCount.store(0);
}

void EmergencyCopies::refresh(
    const QList<editor::Ted*>& documents,
    const std::function<codepages::FileFormat(const editor::Ted&)>& formatOf)
{
    g_emergencyCount.store(0);
    // The code-page tables are made on first use; the crash handler must not be it.
    codepages::encodeChar(U'\u0410', codepages::CodePage::Win);
    int n = 0;
    for (editor::Ted* ted : documents) {
        if (n == kMaxEmergencyDocuments)
            break;
        if (!ted->hasFile())
            continue;
        const std::string path = emergencyName(ted->fileName());
        if (path.size() >= sizeof g_emergency[n].path)
            continue;
        std::memcpy(g_emergency[n].path, path.c_str(), path.size() + 1);
        g_emergency[n].control = ted->control();
        g_emergency[n].codePage = ted->control()->codePage();
        const codepages::FileFormat format = formatOf(*ted);
        g_emergency[n].encoding = format.encoding;
        const std::string_view lineBreak = codepages::lineBreakBytes(format.lineBreak);
        std::memcpy(g_emergency[n].lineBreak, lineBreak.data(), lineBreak.size());
        g_emergency[n].lineBreak[lineBreak.size()] = '\0';
        ++n;
    }
    g_emergencyCount.store(n);
}

void runEmergencyHookForTest()
{
    emergencyHook();
}

} // namespace zuk::app::ui
