#pragma once

#include <QString>

#include <string>

namespace zuk::calc::ui {

// The locale's decimal separator when it is one ASCII character, else '.'.
char localeDecimalSeparator();

// Text of a document in its code page ("win", "dos", "koi"...) and back;
// an unknown code page name is taken as Windows-1251.
QString fromDocument(const std::string& bytes, const std::string& charset);
std::string toDocument(const QString& text, const std::string& charset);

} // namespace zuk::calc::ui
