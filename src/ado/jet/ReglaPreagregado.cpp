#include "ado/jet/ReglaPreagregado.h"

#include "ado/jet/ReglaAgrupacion.h"

#include <QStringList>

namespace ado::jet {

namespace {

using TClase = TExpresion::TClase;

const QLatin1String CC_FILAS("jet_filas");
const QLatin1String CC_FILTRO("jet_filtro");

bool EsLiteral(const TExpresion& e) {
  return e.clase == TClase::Texto || e.clase == TClase::Numero || e.clase == TClase::Fecha || e.clase == TClase::Booleano;
}

// A comparison of columns and literals: it can raise no error, so it may run on rows the
// lifted filters would have left out.
bool EsComparacionSimple(const TExpresion& e) {
  static const QStringList CC_COMPARACIONES{"=", "<>", "<", ">", "<=", ">="};
  if (e.clase != TClase::Binario || !CC_COMPARACIONES.contains(e.sTexto)) return false;
  for (const auto& lado : e.hijos)
    if (lado->clase != TClase::Columna && !EsLiteral(*lado)) return false;
  return true;
}

// column = literal (either way round): the column, or null.
const TExpresion* ColumnaFiltrada(const TExpresion& e) {
  if (e.clase != TClase::Binario || e.sTexto != QLatin1String("=")) return nullptr;
  const TExpresion& a = *e.hijos[0];
  const TExpresion& b = *e.hijos[1];
  if (a.clase == TClase::Columna && EsLiteral(b)) return &a;
  if (b.clase == TClase::Columna && EsLiteral(a)) return &b;
  return nullptr;
}

std::unique_ptr<TExpresion> SumaDeFilas(const QString& sAlias) {
  return NuevaFuncion(QStringLiteral("SUM"), NuevaColumna(sAlias, CC_FILAS));
}

// The derived table: one plain SELECT of named columns, filtered, not grouped.
bool DerivadaApta(const TConsulta& derivada, QStringList& nombres) {
  if (derivada.partes.size() != 1 || !derivada.orden.empty() || derivada.pTransforma) return false;
  const TSelect& select = derivada.partes.front();
  if (select.bDistinct || select.nTop > 0 || !select.pDonde || EsAgrupada(select)) return false;
  for (const TElementoSelect& elemento : select.elementos) {
    if (elemento.bEstrella || elemento.pExpresion->clase != TClase::Columna) return false;
    nombres << (elemento.sAlias.isEmpty() ? elemento.pExpresion->sTexto : elemento.sAlias).toUpper();
  }
  if (nombres.removeDuplicates() > 0) return false;
  for (const QString& sNombre : nombres)
    if (sNombre.startsWith(QString(CC_FILAS).toUpper()) || sNombre.startsWith(QString(CC_FILTRO).toUpper())) return false;
  return true;
}

// The query: grouped by columns of the derived table, showing them and counts of rows.
bool ConsultaApta(const TConsulta& consulta, const QStringList& nombres) {
  const TSelect& select = consulta.partes.front();
  const QString sAlias = select.fuentes.front()->sAlias;
  for (const auto& grupo : select.agrupaPor)
    if (grupo->clase != TClase::Columna || !nombres.contains(grupo->sTexto.toUpper()) ||
        (!grupo->sCalificador.isEmpty() && grupo->sCalificador.compare(sAlias, Qt::CaseInsensitive) != 0))
      return false;
  for (const TElementoSelect& elemento : select.elementos) {
    if (elemento.bEstrella) return false;
    const TExpresion& e = *elemento.pExpresion;
    if (IndiceEnGrupo(e, select) < 0 && !(EsConteoDeFilas(e) && !elemento.sAlias.isEmpty())) return false;
  }
  for (const TOrden& orden : consulta.orden)
    if (IndiceEnGrupo(*orden.pExpresion, select) < 0 && !EsConteoDeFilas(*orden.pExpresion)) return false;
  return true;
}

}  // namespace

bool PreagregaConteos(TConsulta& consulta) {
  if (consulta.partes.size() != 1 || consulta.pTransforma) return false;
  TSelect& select = consulta.partes.front();
  if (select.bDistinct || select.nTop > 0 || select.pDonde || select.pTeniendo || select.agrupaPor.empty() ||
      select.fuentes.size() != 1)
    return false;
  TFuente& fuente = *select.fuentes.front();
  if (fuente.clase != TFuente::TClase::Derivada || fuente.sAlias.isEmpty()) return false;
  QStringList nombres;
  if (!DerivadaApta(*fuente.pConsulta, nombres) || !ConsultaApta(consulta, nombres)) return false;
  TSelect& derivada = fuente.pConsulta->partes.front();

  // Split the filters before touching the tree: every one must be a plain comparison.
  std::vector<std::unique_ptr<TExpresion>> terminos, resto, filtros;
  Conjunciones(Clona(*derivada.pDonde), terminos);
  for (const auto& termino : terminos)
    if (!EsComparacionSimple(*termino)) return false;
  for (auto& termino : terminos) (ColumnaFiltrada(*termino) ? filtros : resto).push_back(std::move(termino));
  if (filtros.empty()) return false;

  // The derived table counts its rows by its columns and by each filtered column.
  std::vector<std::unique_ptr<TExpresion>> condiciones;
  for (size_t i = 0; i < filtros.size(); ++i) {
    TExpresion& filtro = *filtros[i];
    const bool bColumnaPrimero = filtro.hijos[0]->clase == TClase::Columna;
    const QString sNombre = CC_FILTRO + QString::number(i + 1);
    derivada.elementos.push_back({std::move(filtro.hijos[bColumnaPrimero ? 0 : 1]), false, {}, sNombre});
    filtro.hijos[bColumnaPrimero ? 0 : 1] = NuevaColumna(fuente.sAlias, sNombre);
    condiciones.push_back(std::move(filtros[i]));
  }
  for (const TElementoSelect& elemento : derivada.elementos) derivada.agrupaPor.push_back(Clona(*elemento.pExpresion));
  auto estrella = std::make_unique<TExpresion>();
  estrella->clase = TClase::Estrella;
  derivada.elementos.push_back({NuevaFuncion(QStringLiteral("COUNT"), std::move(estrella)), false, {}, CC_FILAS});
  derivada.pDonde = Une(std::move(resto));

  // The query adds up the counts of the rows its literals pick.
  select.pDonde = Une(std::move(condiciones));
  for (TElementoSelect& elemento : select.elementos)
    if (EsConteoDeFilas(*elemento.pExpresion)) elemento.pExpresion = SumaDeFilas(fuente.sAlias);
  for (TOrden& orden : consulta.orden)
    if (EsConteoDeFilas(*orden.pExpresion)) orden.pExpresion = SumaDeFilas(fuente.sAlias);
  return true;
}

}  // namespace ado::jet
