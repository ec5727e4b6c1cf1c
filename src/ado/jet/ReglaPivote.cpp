#include "ado/jet/ReglaPivote.h"

#include "ado/jet/ReglasJet.h"

namespace ado::jet {

namespace {

using TClase = TExpresion::TClase;
using TExpr = std::unique_ptr<TExpresion>;

TExpr Nodo(TClase clase, const QString& sTexto, TPosicion pos) {
  auto e = std::make_unique<TExpresion>();
  e->clase = clase;
  e->sTexto = sTexto;
  e->pos = pos;
  return e;
}

TExpr Literal(const QVariant& valor, TPosicion pos) {
  if (valor.typeId() == QMetaType::QString) return Nodo(TClase::Texto, valor.toString(), pos);
  return Nodo(TClase::Numero, QString::number(valor.toDouble(), 'g', 17), pos);
}

// heading = value, or heading IS NULL
TExpr Condicion(const TExpresion& pivote, const TExpresion* pValor) {
  if (!pValor) {
    auto e = Nodo(TClase::EsNulo, {}, pivote.pos);
    e->hijos.push_back(Clona(pivote));
    return e;
  }
  auto e = Nodo(TClase::Binario, QStringLiteral("="), pivote.pos);
  e->hijos.push_back(Clona(pivote));
  e->hijos.push_back(Clona(*pValor));
  return e;
}

// Every aggregate of the cell counts only the rows of its column: Sum(x) becomes
// Sum(IIf(condition, x, Null)), Count(*) Count(IIf(condition, 1, Null)).
void Restringe(TExpresion& e, const TExpresion& condicion) {
  if (e.clase == TClase::Funcion && ReglaFuncion(e.sTexto)->bAgregada) {
    for (TExpr& argumento : e.hijos) {
      auto iif = Nodo(TClase::Funcion, QStringLiteral("IIF"), argumento->pos);
      iif->hijos.push_back(Clona(condicion));
      iif->hijos.push_back(argumento->clase == TClase::Estrella ? Nodo(TClase::Numero, QStringLiteral("1"), argumento->pos)
                                                                : std::move(argumento));
      iif->hijos.push_back(Nodo(TClase::Nulo, {}, e.pos));
      argumento = std::move(iif);
    }
    return;
  }
  for (TExpr& hijo : e.hijos) Restringe(*hijo, condicion);
}

// SELECT e, e & ''
void ValorYTexto(TSelect& select, const TExpresion& e) {
  select.elementos.clear();
  select.elementos.push_back({Clona(e), false, {}, {}});
  auto texto = Nodo(TClase::Binario, QStringLiteral("&"), e.pos);
  texto->hijos.push_back(Clona(e));
  texto->hijos.push_back(Nodo(TClase::Texto, {}, e.pos));
  select.elementos.push_back({std::move(texto), false, {}, {}});
}

}  // namespace

void ResuelvePivote(TConsulta& consulta, const TLeeValores& Lee) {
  const TExpresion& pivote = *consulta.pPivote;
  std::vector<std::pair<QString, TExpr>> columnas;  // heading text, value (null: the Null column)
  auto Agrega = [&](const std::vector<std::pair<QVariant, QString>>& valores) {
    for (const auto& [valor, sTexto] : valores)
      columnas.emplace_back(valor.isNull() ? QStringLiteral("<>") : sTexto, valor.isNull() ? nullptr : Literal(valor, pivote.pos));
  };
  if (!consulta.valoresPivote.empty()) {
    for (const TExpr& valor : consulta.valoresPivote) {  // each value and its text, computed
      TConsulta constante;
      constante.partes.emplace_back();
      ValorYTexto(constante.partes.front(), *valor);
      Agrega(Lee(constante));
    }
  } else {
    auto valores = Clona(consulta);
    TSelect& select = valores->partes.front();
    ValorYTexto(select, pivote);
    select.agrupaPor.clear();
    select.pTeniendo.reset();
    select.bDistinct = true;
    valores->orden.clear();
    valores->orden.push_back({Nodo(TClase::Numero, QStringLiteral("1"), pivote.pos), false});
    valores->pTransforma.reset();
    valores->pPivote.reset();
    Agrega(Lee(*valores));
  }
  TSelect& select = consulta.partes.front();
  for (const auto& [sNombre, pValor] : columnas) {
    const TExpr condicion = Condicion(pivote, pValor.get());
    TExpr celda = Clona(*consulta.pTransforma);
    Restringe(*celda, *condicion);
    select.elementos.push_back({std::move(celda), false, {}, sNombre});
  }
  consulta.pTransforma.reset();
  consulta.pPivote.reset();
  consulta.valoresPivote.clear();
}

}  // namespace ado::jet
