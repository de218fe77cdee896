#include "editor/ved.h"

namespace zuk::editor {

void CVed::OpenFileByName(const std::string& fileName)
{
    if (m_callbacks.openFile)
        m_callbacks.openFile(fileName);
}

} // namespace zuk::editor
