#include "form/ProgramName.h"
#include "shell/Batch.h"

#include <emscripten.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// The batch for the page: the shell's Batch fed with the chosen file's pieces as they are read,
// its answers handed back piece by piece, so that a worker can show its progress.
namespace {

struct WebBatch {
    std::string answers;
    std::string notes;
    Batch batch{answers, notes};
    // What the last call handed back, kept until the next one.
    std::string given;
    int status = 0;
};

std::unique_ptr<WebBatch> current;

const char* Give(std::string& text)
{
    current->given.swap(text);
    text.clear();
    return current->given.c_str();
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void BatchBegin()
{
    current = std::make_unique<WebBatch>();
}

// Reads the next piece of the file; returns the answers it completed. A wrong header is said
// by BatchFinish, and nothing after it is read.
EMSCRIPTEN_KEEPALIVE const char* BatchFeed(const char* data, std::size_t size)
{
    if (current->batch.Problem().empty())
        current->batch.Feed(std::string_view(data, size));
    return Give(current->answers);
}

// The end of the file: returns the last answers; BatchNotes then has the notes, and the
// summary or the header's problem, as the shell says them on stderr.
EMSCRIPTEN_KEEPALIVE const char* BatchFinish()
{
    current->status = current->batch.Finish();
    current->notes += std::string(ProgramName) + ": " +
                      (current->status == 0 ? current->batch.Summary() : current->batch.Problem()) +
                      "\n";
    return Give(current->answers);
}

EMSCRIPTEN_KEEPALIVE const char* BatchNotes()
{
    return Give(current->notes);
}

} // extern "C"
