#include "ado/jet/Arbol.h"

#include <QStringList>

namespace ado::jet {

std::unique_ptr<TFuente> Clona(const TFuente& f) {
  auto c = std::make_unique<TFuente>();
  c->clase = f.clase;
  c->sNombre = f.sNombre;
  c->sAlias = f.sAlias;
  if (f.pConsulta) c->pConsulta = Clona(*f.pConsulta);
  c->sTipoUnion = f.sTipoUnion;
  if (f.pIzquierda) c->pIzquierda = Clona(*f.pIzquierda);
  if (f.pDerecha) c->pDerecha = Clona(*f.pDerecha);
  if (f.pCondicion) c->pCondicion = Clona(*f.pCondicion);
  c->bParentesis = f.bParentesis;
  c->pos = f.pos;
  return c;
}

namespace {

template <typename T>
std::unique_ptr<T> ClonaSiHay(const std::unique_ptr<T>& p) {
  return p ? Clona(*p) : nullptr;
}

using TVisita = std::function<void(std::unique_ptr<TExpresion>&)>;

void Visita(std::unique_ptr<TExpresion>& e, const TVisita& f) {
  if (!e) return;
  f(e);
  for (auto& hijo : e->hijos) Visita(hijo, f);
}

void VisitaFuente(TFuente& fuente, const TVisita& f) {
  if (fuente.clase != TFuente::TClase::Union) return;
  VisitaFuente(*fuente.pIzquierda, f);
  VisitaFuente(*fuente.pDerecha, f);
  Visita(fuente.pCondicion, f);
}

void SubconsultasDeFuente(TFuente& fuente, const std::function<void(TConsulta&)>& f) {
  if (fuente.pConsulta) f(*fuente.pConsulta);
  if (fuente.pIzquierda) SubconsultasDeFuente(*fuente.pIzquierda, f);
  if (fuente.pDerecha) SubconsultasDeFuente(*fuente.pDerecha, f);
}

}  // namespace

std::unique_ptr<TExpresion> NuevaColumna(const QString& sCalificador, const QString& sNombre) {
  auto e = std::make_unique<TExpresion>();
  e->clase = TExpresion::TClase::Columna;
  e->sCalificador = sCalificador;
  e->sTexto = sNombre;
  return e;
}

std::unique_ptr<TExpresion> NuevaFuncion(const QString& sNombre, std::unique_ptr<TExpresion> argumento) {
  auto e = std::make_unique<TExpresion>();
  e->clase = TExpresion::TClase::Funcion;
  e->sTexto = sNombre;
  e->hijos.push_back(std::move(argumento));
  return e;
}

void Conjunciones(std::unique_ptr<TExpresion> e, std::vector<std::unique_ptr<TExpresion>>& terminos) {
  if (e->clase == TExpresion::TClase::Binario && e->sTexto == QLatin1String("AND")) {
    Conjunciones(std::move(e->hijos[0]), terminos);
    Conjunciones(std::move(e->hijos[1]), terminos);
  } else {
    terminos.push_back(std::move(e));
  }
}

std::unique_ptr<TExpresion> Une(std::vector<std::unique_ptr<TExpresion>> terminos) {
  std::unique_ptr<TExpresion> e;
  for (auto& termino : terminos) {
    if (!e) {
      e = std::move(termino);
      continue;
    }
    auto y = std::make_unique<TExpresion>();
    y->clase = TExpresion::TClase::Binario;
    y->sTexto = QStringLiteral("AND");
    y->hijos.push_back(std::move(e));
    y->hijos.push_back(std::move(termino));
    e = std::move(y);
  }
  return e;
}

std::unique_ptr<TExpresion> Clona(const TExpresion& e) {
  auto c = std::make_unique<TExpresion>();
  c->clase = e.clase;
  c->sTexto = e.sTexto;
  c->sCalificador = e.sCalificador;
  c->dValor = e.dValor;
  c->bNegada = e.bNegada;
  for (const auto& hijo : e.hijos) c->hijos.push_back(Clona(*hijo));
  c->pConsulta = ClonaSiHay(e.pConsulta);
  c->pos = e.pos;
  return c;
}

std::unique_ptr<TConsulta> Clona(const TConsulta& consulta) {
  auto c = std::make_unique<TConsulta>();
  c->parametros = consulta.parametros;
  for (const TSelect& s : consulta.partes) {
    TSelect copia;
    copia.bDistinct = s.bDistinct;
    copia.bDistinctRow = s.bDistinctRow;
    copia.nTop = s.nTop;
    copia.bTopPorcentaje = s.bTopPorcentaje;
    for (const TElementoSelect& e : s.elementos)
      copia.elementos.push_back({ClonaSiHay(e.pExpresion), e.bEstrella, e.sCalificador, e.sAlias});
    for (const auto& f : s.fuentes) copia.fuentes.push_back(Clona(*f));
    copia.pDonde = ClonaSiHay(s.pDonde);
    for (const auto& g : s.agrupaPor) copia.agrupaPor.push_back(Clona(*g));
    copia.pTeniendo = ClonaSiHay(s.pTeniendo);
    c->partes.push_back(std::move(copia));
  }
  c->unionesTodas = consulta.unionesTodas;
  for (const TOrden& o : consulta.orden) c->orden.push_back({Clona(*o.pExpresion), o.bDescendente});
  c->pTransforma = ClonaSiHay(consulta.pTransforma);
  c->pPivote = ClonaSiHay(consulta.pPivote);
  for (const auto& v : consulta.valoresPivote) c->valoresPivote.push_back(Clona(*v));
  return c;
}

bool NoFalla(const TExpresion& e) {
  if (e.pConsulta) return false;
  switch (e.clase) {
    case TExpresion::TClase::Numero:
    case TExpresion::TClase::Texto:
    case TExpresion::TClase::Fecha:
    case TExpresion::TClase::Nulo:
    case TExpresion::TClase::Booleano:
    case TExpresion::TClase::Columna: return true;
    case TExpresion::TClase::Binario: {
      static const QStringList CC_COMPARACIONES = {"=", "<>", "<", ">", "<=", ">=", "AND", "OR"};
      if (!CC_COMPARACIONES.contains(e.sTexto)) return false;
      break;
    }
    case TExpresion::TClase::Unario:
      if (e.sTexto != QLatin1String("NOT")) return false;
      break;
    case TExpresion::TClase::EsNulo:
    case TExpresion::TClase::Entre:
    case TExpresion::TClase::En:
    case TExpresion::TClase::Like: break;
    default: return false;
  }
  for (const auto& hijo : e.hijos)
    if (!NoFalla(*hijo)) return false;
  return true;
}

void RecorreExpresiones(TConsulta& consulta, const TVisita& f) {
  for (TSelect& select : consulta.partes) {
    for (TElementoSelect& elemento : select.elementos) Visita(elemento.pExpresion, f);
    for (auto& fuente : select.fuentes) VisitaFuente(*fuente, f);
    Visita(select.pDonde, f);
    for (auto& grupo : select.agrupaPor) Visita(grupo, f);
    Visita(select.pTeniendo, f);
  }
  for (TOrden& orden : consulta.orden) Visita(orden.pExpresion, f);
  Visita(consulta.pTransforma, f);
  Visita(consulta.pPivote, f);
}

void RecorreSubconsultas(TConsulta& consulta, const std::function<void(TConsulta&)>& f) {
  for (TSelect& select : consulta.partes)
    for (auto& fuente : select.fuentes) SubconsultasDeFuente(*fuente, f);
  RecorreExpresiones(consulta, [&](std::unique_ptr<TExpresion>& e) {
    if (e->pConsulta) f(*e->pConsulta);
  });
}

}  // namespace ado::jet
