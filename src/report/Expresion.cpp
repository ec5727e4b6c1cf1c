#include "report/Expresion.h"

#include <QRegularExpression>

namespace {

std::optional<QString> EvaluaLiteral(const QString& s)
{
  if (s.size() < 2 || !s.startsWith('\'') || !s.endsWith('\''))
    return std::nullopt;
  QString sTexto;
  for (qsizetype i = 1; i < s.size() - 1; ++i) {
    if (s[i] == '\'') {
      if (i + 1 >= s.size() - 1 || s[i + 1] != '\'')
        return std::nullopt;  // a lone quote ends the literal too early
      ++i;
    }
    sTexto += s[i];
  }
  return sTexto;
}

std::optional<QString> EvaluaNumero(const QString& s)
{
  static const QRegularExpression reNumero(R"(^-?\d+(\.\d+)?$)");
  if (!reNumero.match(s).hasMatch())
    return std::nullopt;
  return s;
}

}  // namespace

std::optional<QString> EvaluaExpresion(const QString& sExpresion)
{
  const QString s = sExpresion.trimmed();
  if (auto literal = EvaluaLiteral(s))
    return literal;
  return EvaluaNumero(s);
}
