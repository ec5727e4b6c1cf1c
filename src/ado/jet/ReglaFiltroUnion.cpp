#include "ado/jet/ReglaFiltroUnion.h"

#include "ado/jet/ReglaAgrupacion.h"

#include <QStringList>
#include <algorithm>
#include <optional>

namespace ado::jet {

namespace {

using TClase = TExpresion::TClase;

// The compound's column names: those of its first part, upper case (empty for a computed
// column without alias, which no filter can name).
std::optional<QStringList> NombresDeLaUnion(const TSelect& primera) {
  QStringList nombres;
  for (const TElementoSelect& elemento : primera.elementos) {
    if (elemento.bEstrella || !elemento.pExpresion) return std::nullopt;
    const TExpresion& e = *elemento.pExpresion;
    QString sNombre = elemento.sAlias;
    if (sNombre.isEmpty() && e.clase == TClase::Columna) sNombre = e.sTexto;
    nombres << sNombre.toUpper();
  }
  return nombres;
}

// The places of the compound's columns the filter names; empty when it names another.
std::vector<int> LugaresFiltrados(const TExpresion& filtro, const QString& sAlias, const QStringList& nombres) {
  std::vector<int> lugares;
  bool bAjeno = false;
  const auto Recorre = [&](const auto& self, const TExpresion& e) -> void {
    if (e.clase == TClase::Columna) {
      const bool bSuyo =
          e.sCalificador.isEmpty() || (!sAlias.isEmpty() && MismoNombre(e.sCalificador, sAlias));
      const qsizetype nLugar = bSuyo ? nombres.indexOf(e.sTexto.toUpper()) : -1;
      if (nLugar < 0 || nombres.count(e.sTexto.toUpper()) > 1) bAjeno = true;
      else lugares.push_back(int(nLugar));
    }
    for (const auto& hijo : e.hijos) self(self, *hijo);
  };
  Recorre(Recorre, filtro);
  if (bAjeno) return {};
  std::sort(lugares.begin(), lugares.end());
  lugares.erase(std::unique(lugares.begin(), lugares.end()), lugares.end());
  return lugares;
}

// The Jet type of the column the part shows at a place: a column of the one table it reads.
std::optional<TTipoJet> TipoEnLaParte(const TSelect& parte, int nLugar, const TCatalogoJet& catalogo) {
  const TFuente& tabla = *parte.fuentes.front();
  const TExpresion& e = *parte.elementos[size_t(nLugar)].pExpresion;
  if (e.clase != TClase::Columna) return std::nullopt;
  const QString sNombreTabla = tabla.sAlias.isEmpty() ? tabla.sNombre : tabla.sAlias;
  if (!e.sCalificador.isEmpty() && !MismoNombre(e.sCalificador, sNombreTabla)) return std::nullopt;
  for (const TColumnaTipada& columna : catalogo(tabla.sNombre))
    if (MismoNombre(columna.sNombre, e.sTexto)) return columna.tipo;
  return std::nullopt;
}

bool ParteSimple(const TSelect& parte, size_t nColumnas) {
  return !parte.bDistinct && !parte.bDistinctRow && parte.nTop == 0 && !EsAgrupada(parte) &&
         parte.fuentes.size() == 1 && parte.fuentes.front()->clase == TFuente::TClase::Tabla &&
         parte.elementos.size() == nColumnas &&
         std::none_of(parte.elementos.begin(), parte.elementos.end(),
                      [](const TElementoSelect& e) { return e.bEstrella; });
}

// The filter for one part: each column the filter names becomes the part's own column.
std::unique_ptr<TExpresion> FiltroDeLaParte(const TExpresion& filtro, const TSelect& parte,
                                            const QStringList& nombres) {
  auto copia = Clona(filtro);
  const auto Sustituye = [&](const auto& self, std::unique_ptr<TExpresion>& e) -> void {
    if (e->clase == TClase::Columna) {
      e = Clona(*parte.elementos[size_t(nombres.indexOf(e->sTexto.toUpper()))].pExpresion);
      return;
    }
    for (auto& hijo : e->hijos) self(self, hijo);
  };
  Sustituye(Sustituye, copia);
  return copia;
}

}  // namespace

bool FiltraEnLasPartes(TConsulta& consulta, const TCatalogoJet& catalogo) {
  if (consulta.partes.size() != 1) return false;
  TSelect& select = consulta.partes.front();
  if (!select.pDonde || select.fuentes.size() != 1 || !NoFalla(*select.pDonde)) return false;
  const TFuente& fuente = *select.fuentes.front();
  if (fuente.clase != TFuente::TClase::Derivada) return false;
  TConsulta& compuesta = *fuente.pConsulta;
  if (compuesta.partes.size() < 2 || !compuesta.orden.empty() || compuesta.pTransforma ||
      std::find(compuesta.unionesTodas.begin(), compuesta.unionesTodas.end(), false) != compuesta.unionesTodas.end())
    return false;
  const auto nombres = NombresDeLaUnion(compuesta.partes.front());
  if (!nombres) return false;
  const std::vector<int> lugares = LugaresFiltrados(*select.pDonde, fuente.sAlias, *nombres);
  if (lugares.empty()) return false;
  for (const TSelect& parte : compuesta.partes)
    if (!ParteSimple(parte, size_t(nombres->size()))) return false;
  for (const int nLugar : lugares) {
    const auto tipo = TipoEnLaParte(compuesta.partes.front(), nLugar, catalogo);
    if (!tipo || *tipo == TTipoJet::Valor) return false;
    for (const TSelect& parte : compuesta.partes)
      if (TipoEnLaParte(parte, nLugar, catalogo) != tipo) return false;
  }
  for (TSelect& parte : compuesta.partes) {
    std::vector<std::unique_ptr<TExpresion>> terminos;
    if (parte.pDonde) terminos.push_back(std::move(parte.pDonde));
    terminos.push_back(FiltroDeLaParte(*select.pDonde, parte, *nombres));
    parte.pDonde = Une(std::move(terminos));
  }
  select.pDonde.reset();
  return true;
}

}  // namespace ado::jet
