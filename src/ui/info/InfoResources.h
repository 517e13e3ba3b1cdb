#pragma once
// Makes sure the dialog templates are loaded (the program normally loads them at start).
namespace stillmark {
void EnsureXmlResources();
} // namespace stillmark
