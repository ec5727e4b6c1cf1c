#include "app/CatalogoLocalidades.h"

#include "data/CatalogoArchivo.h"
#include "data/DataModule.h"

std::optional<QString> CambiaCatalogo(TdmMain& dmMain, const QString& sRuta)
{
  if (sRuta.isEmpty())
    return std::nullopt;
  return CargaCatalogoLocalidades(sRuta, dmMain.vtEstados, dmMain.vLocalidades);
}

std::optional<TLugarCatalogo> BuscaEnCatalogo(const TdmMain& dmMain, const QString& sClave)
{
  // Copies are walked, so the picker's position and filter stay as they are.
  TTablaMemoria Localidades = dmMain.vLocalidades;
  TTablaMemoria Estados = dmMain.vtEstados;
  Localidades.SetFiltered(false);
  Estados.SetFiltered(false);
  Localidades.Open();
  Estados.Open();
  for (Localidades.First(); !Localidades.Eof(); Localidades.Next()) {
    if (Localidades.CampoTexto(QStringLiteral("Clave")) != sClave)
      continue;
    const int nIdEstado = Localidades.CampoEntero(QStringLiteral("IdEstado"));
    for (Estados.First(); !Estados.Eof(); Estados.Next())
      if (Estados.CampoEntero(QStringLiteral("IdEstado")) == nIdEstado)
        return TLugarCatalogo{Estados.CampoTexto(QStringLiteral("Estado")),
                              Localidades.CampoTexto(QStringLiteral("Localidad"))};
    return TLugarCatalogo{QString(), Localidades.CampoTexto(QStringLiteral("Localidad"))};
  }
  return std::nullopt;
}

TLocalidades LocalidadesDeClaves(const TdmMain& dmMain, const QStringList& Claves)
{
  TLocalidades Lista{std::make_shared<QStringList>(), std::make_shared<QStringList>(),
                     std::make_shared<QStringList>()};
  for (const QString& sClave : Claves) {
    const TLugarCatalogo Lugar = BuscaEnCatalogo(dmMain, sClave).value_or(TLugarCatalogo{});
    Lista.Estado->append(Lugar.sEstado);
    Lista.Ciudad->append(Lugar.sLocalidad);
    Lista.Clave->append(sClave);
  }
  return Lista;
}

QStringList LineasLocalidades(const TdmMain& dmMain, const QList<TLocalidadOperada>& Localidades)
{
  const auto Clave = [](const TLocalidadOperada& L) {
    return L.sClave.isEmpty() ? QStringLiteral("(sin clave)") : L.sClave;
  };
  int nAnchoClave = 1;
  int nAncho = 1;
  for (const TLocalidadOperada& L : Localidades) {
    nAnchoClave = std::max(nAnchoClave, int(Clave(L).size()));
    nAncho = std::max(nAncho, int(QString::number(L.nOperaciones).size()));
  }
  QStringList Lineas;
  for (const TLocalidadOperada& L : Localidades) {
    const std::optional<TLugarCatalogo> Lugar = BuscaEnCatalogo(dmMain, L.sClave);
    Lineas << QStringLiteral("%1  %2  %3  (Tolvex: %4)")
                  .arg(Clave(L).leftJustified(nAnchoClave),
                       QStringLiteral("%1").arg(L.nOperaciones, nAncho),
                       Lugar ? Lugar->sEstado + QStringLiteral(" / ") + Lugar->sLocalidad
                             : QStringLiteral("no está en el catálogo"),
                       L.Ciudades.join(QStringLiteral(", ")));
  }
  return Lineas;
}
