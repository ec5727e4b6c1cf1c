#pragma once

#include <QString>
#include <optional>

// The report's small expression language: a text literal between single quotes
// (a quote inside is doubled: 'O''HIGGINS') or a number. Blanks around are allowed.
// nullopt when the text is not a valid expression.
std::optional<QString> EvaluaExpresion(const QString& sExpresion);
