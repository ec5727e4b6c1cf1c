#include "report/VariablesReporte.h"

#include "report/Expresion.h"

void TVariablesReporte::AgregaCategoria(const QString& sCategoria)
{
  F_entradas.append({' ' + sCategoria, true, true, std::nullopt, std::nullopt});
}

void TVariablesReporte::AgregaVariable(const QString& sNombre, std::optional<QString> valorInicial)
{
  F_entradas.append({sNombre, false, true, valorInicial, valorInicial});
}

qsizetype TVariablesReporte::IndiceVariable(const QString& sNombre) const
{
  for (qsizetype i = 0; i < F_entradas.size(); ++i)
    if (!F_entradas[i].bCategoria && F_entradas[i].sNombre.compare(sNombre, Qt::CaseInsensitive) == 0)
      return i;
  return -1;
}

void TVariablesReporte::SetVariable(const QString& sCategoria, const QString& sNombre,
                                    const QString& sValor)
{
  const QString sEntrada = ' ' + sCategoria;
  qsizetype nCategoria = -1;
  for (qsizetype i = 0; i < F_entradas.size() && nCategoria < 0; ++i)
    if (F_entradas[i].bCategoria && F_entradas[i].sNombre.compare(sEntrada, Qt::CaseInsensitive) == 0)
      nCategoria = i;
  if (nCategoria < 0)
    return;
  if (const qsizetype i = IndiceVariable(sNombre); i >= 0) {
    F_entradas[i].valor = sValor;
    return;
  }
  qsizetype nFin = nCategoria + 1;
  while (nFin < F_entradas.size() && !F_entradas[nFin].bCategoria)
    ++nFin;
  F_entradas.insert(nFin, {sNombre, false, false, sValor, std::nullopt});
}

void TVariablesReporte::RestauraValoresIniciales()
{
  F_entradas.removeIf([](const TEntrada& e) { return !e.bDePlantilla; });
  for (TEntrada& e : F_entradas)
    e.valor = e.valorInicial;
}

QStringList TVariablesReporte::Nombres() const
{
  QStringList nombres;
  for (const TEntrada& e : F_entradas)
    if (!e.bCategoria)
      nombres.append(e.sNombre);
  return nombres;
}

QStringList TVariablesReporte::Entradas() const
{
  QStringList entradas;
  for (const TEntrada& e : F_entradas)
    entradas.append(e.sNombre);
  return entradas;
}

std::optional<QString> TVariablesReporte::Valor(const QString& sNombre) const
{
  const qsizetype i = IndiceVariable(sNombre);
  return i < 0 ? std::nullopt : F_entradas[i].valor;
}

std::optional<QString> TVariablesReporte::TextoImpreso(const QString& sNombre) const
{
  const std::optional<QString> valor = Valor(sNombre);
  if (!valor)
    return std::nullopt;
  if (valor->contains("\r\n"))
    return valor;
  if (auto resultado = EvaluaExpresion(*valor))
    return resultado;
  return valor;
}
