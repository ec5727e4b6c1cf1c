#include "ado/jet/ReglaAgrupacion.h"

#include "ado/jet/ErrorJet.h"
#include "ado/jet/ReglasJet.h"

#include <QStringList>

namespace ado::jet {

namespace {

using TClase = TExpresion::TClase;

bool EsAgregado(const TExpresion& e) { return e.clase == TClase::Funcion && ReglaFuncion(e.sTexto)->bAgregada; }

bool TieneAgregado(const TExpresion& e) {
  if (EsAgregado(e)) return true;
  for (const auto& hijo : e.hijos)
    if (TieneAgregado(*hijo)) return true;
  return false;
}

// The same expression as written, ignoring letter case of names; an unqualified column
// matches a qualified one of the same name.
bool Iguales(const TExpresion& a, const TExpresion& b) {
  if (a.clase != b.clase || a.bNegada != b.bNegada || a.hijos.size() != b.hijos.size()) return false;
  if (a.clase == TClase::Columna)
    return MismoNombre(a.sTexto, b.sTexto) &&
           (a.sCalificador.isEmpty() || b.sCalificador.isEmpty() || MismoNombre(a.sCalificador, b.sCalificador));
  if (a.clase == TClase::Texto ? a.sTexto != b.sTexto : !MismoNombre(a.sTexto, b.sTexto)) return false;
  if (a.dValor != b.dValor) return false;
  for (size_t i = 0; i < a.hijos.size(); ++i)
    if (!Iguales(*a.hijos[i], *b.hijos[i])) return false;
  return true;
}

// alias: the aliases of the select list's earlier items, which a later item may use.
void ValidaExpresion(const TExpresion& e, const TSelect& select, const QStringList& alias = {}) {
  if (EsAgregado(e)) return;
  for (const auto& grupo : select.agrupaPor)
    if (Iguales(e, *grupo)) return;
  if (e.clase == TClase::Columna && e.sCalificador.isEmpty() && alias.contains(e.sTexto, Qt::CaseInsensitive)) return;
  if (e.clase == TClase::Columna)
    LanzaError(QStringLiteral("La consulta no incluye la expresión especificada '%1' como parte de una función de "
                              "agregado")
                   .arg(e.sCalificador.isEmpty() ? e.sTexto : e.sCalificador + QLatin1Char('.') + e.sTexto),
               e.pos);
  for (const auto& hijo : e.hijos) ValidaExpresion(*hijo, select, alias);
}

void ValidaFuente(const TFuente& fuente) {
  if (fuente.clase == TFuente::TClase::Derivada) ValidaAgrupacion(*fuente.pConsulta);
  if (fuente.clase == TFuente::TClase::Union) {
    ValidaFuente(*fuente.pIzquierda);
    ValidaFuente(*fuente.pDerecha);
  }
}

}  // namespace

bool EsAgrupada(const TSelect& select) {
  if (!select.agrupaPor.empty() || select.pTeniendo) return true;
  for (const TElementoSelect& elemento : select.elementos)
    if (elemento.pExpresion && TieneAgregado(*elemento.pExpresion)) return true;
  return false;
}

bool EsConteoDeFilas(const TExpresion& e) {
  return e.clase == TClase::Funcion && e.sTexto.compare(QLatin1String("COUNT"), Qt::CaseInsensitive) == 0 &&
         e.hijos.size() == 1 && (e.hijos[0]->clase == TClase::Numero || e.hijos[0]->clase == TClase::Estrella);
}

bool MismaExpresion(const TExpresion& a, const TExpresion& b) { return Iguales(a, b); }

int IndiceEnGrupo(const TExpresion& e, const TSelect& select) {
  if (e.clase != TClase::Columna) return -1;
  for (size_t i = 0; i < select.agrupaPor.size(); ++i)
    if (select.agrupaPor[i]->clase == TClase::Columna && Iguales(e, *select.agrupaPor[i])) return int(i);
  return -1;
}

void ValidaAgrupacion(const TConsulta& consulta) {
  for (const TSelect& select : consulta.partes) {
    for (const auto& fuente : select.fuentes) ValidaFuente(*fuente);
    if (!EsAgrupada(select)) continue;
    QStringList alias;
    for (const TElementoSelect& elemento : select.elementos) {
      if (elemento.bEstrella)
        LanzaError(QStringLiteral("No se puede agrupar en campos seleccionados con '*'"),
                   select.agrupaPor.empty() ? TPosicion{} : select.agrupaPor.front()->pos);
      ValidaExpresion(*elemento.pExpresion, select, alias);
      if (!elemento.sAlias.isEmpty()) alias << elemento.sAlias;
    }
    if (select.pTeniendo) ValidaExpresion(*select.pTeniendo, select);
  }
  if (consulta.partes.size() == 1 && EsAgrupada(consulta.partes.front()))
    for (const TOrden& orden : consulta.orden) ValidaExpresion(*orden.pExpresion, consulta.partes.front());
}

}  // namespace ado::jet
