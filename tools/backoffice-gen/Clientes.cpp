#include "Clientes.h"

#include "Nombres.h"
#include "TablasFijas.h"
#include "data/Catalogos.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace backoffice {

using mdbgen::TTipo;

namespace {

struct TCiudad {
  QString sClave;
  QString sNombre;
  QString sLocalidad;  // null: a city without locality key
  double dPeso;
};

struct TLocalidad {
  int nIdEstado;
  QString sNombre;
  QString sClave;
};

QList<TLocalidad> LeeLocalidades()
{
  TTablaMemoria tabla = CargaCatalogo("vLocalidades");
  QList<TLocalidad> localidades;
  tabla.Open();
  for (tabla.First(); !tabla.Eof(); tabla.Next())
    localidades.append({tabla.CampoEntero("IdEstado"), tabla.CampoTexto("Localidad"),
                        tabla.CampoTexto("Clave")});
  tabla.Close();
  return localidades;
}

const QStringList& LocalidadesPropias()
{
  static const QStringList claves = {"00517002", "00518002", "03143002", "03145002",
                                     "00702002", "02205002", "00405002"};
  return claves;
}

// The busiest places first (the capital, the telling localities), then the first
// locality of every state and country and a seeded sample of the others; a branch
// after the first adds its own locality, which the other branches never sample.
QList<TCiudad> Ciudades(TAzar& Azar, const TNumeracion& Numeracion)
{
  QList<TLocalidad> localidades = LeeLocalidades();
  if (Numeracion.Sucursales() > 1)
    localidades.removeIf([](const TLocalidad& localidad) {
      return LocalidadesPropias().contains(localidad.sClave);
    });
  const QStringList fijas = {"01001002", "00101003", "03422466", "01991002", "02401008",
                             "10100005", "40200103", "50100107", "70200403"};
  QStringList claves = fijas;
  QSet<QString> elegidas(fijas.cbegin(), fijas.cend());
  QSet<int> estados;
  QList<QString> resto;
  for (const TLocalidad& localidad : localidades) {
    if (elegidas.contains(localidad.sClave))
      estados.insert(localidad.nIdEstado);
  }
  for (const TLocalidad& localidad : localidades) {
    if (!estados.contains(localidad.nIdEstado) && !elegidas.contains(localidad.sClave)) {
      estados.insert(localidad.nIdEstado);
      claves.append(localidad.sClave);
      elegidas.insert(localidad.sClave);
    } else if (!elegidas.contains(localidad.sClave)) {
      resto.append(localidad.sClave);
    }
  }
  for (int i = 0; i < 80 && !resto.isEmpty(); ++i)
    claves.append(resto.takeAt(static_cast<qsizetype>(Azar.Entero(0, resto.size() - 1))));
  // Keep the pinned places on top, shuffle the order of the rest.
  for (qsizetype i = claves.size() - 1; i > fijas.size(); --i)
    std::swap(claves[i], claves[fijas.size() + Azar.Entero(0, i - fijas.size())]);

  QHash<QString, TLocalidad> porClave;
  for (const TLocalidad& localidad : localidades)
    porClave.insert(localidad.sClave, localidad);
  QList<TCiudad> ciudades;
  for (qsizetype i = 0; i < claves.size(); ++i) {
    const TLocalidad& localidad = porClave[claves[i]];
    const bool bMexicana = localidad.sClave.left(3).toInt() < 100;
    const double dPeso = (bMexicana ? 1.0 : 0.25) / std::pow(static_cast<double>(i + 1), 0.9);
    ciudades.append({QStringLiteral("C%1").arg(i + 1, 4, 10, QLatin1Char('0')), localidad.sNombre,
                     localidad.sClave, dPeso});
  }
  // Two city names on one locality, a key with a quote, a city without locality.
  ciudades.append({"C0900", "CIUDAD DE MEXICO", "01001002", 0.45});
  ciudades.append({"OG'01", "COLONIA O'GORMAN", "01001002", 0.60});
  ciudades.append({"C0901", "SIN LOCALIDAD", QString(), 0.02});
  if (Numeracion.Sucursal() > 1) {
    const QString sClave = LocalidadPropia(Numeracion.Sucursal());
    for (const TLocalidad& localidad : LeeLocalidades())
      if (localidad.sClave == sClave)
        ciudades.append({"C0950", localidad.sNombre, sClave, 0.5});
  }
  return ciudades;
}

QString NombreCompleto(TAzar& Azar, const QList<QString>& palabras, int nPartes)
{
  QStringList partes;
  for (int i = 0; i < nPartes; ++i)
    partes << Azar.Elige(palabras);
  return partes.join(u' ');
}

struct TCliente {
  QString sNombre, sPaterno, sMaterno;
  bool bMoral = false;
  bool bExtranjero = false;
  int nSector = 1;
};

TCliente ClientePersona(TAzar& Azar)
{
  TCliente cliente;
  cliente.bExtranjero = Azar.Probabilidad(0.07);
  const QList<QString>& nombres = cliente.bExtranjero ? NombresExtranjeros() : NombresPila();
  const QList<QString>& apellidos = cliente.bExtranjero ? ApellidosExtranjeros() : Apellidos();
  cliente.sNombre = NombreCompleto(Azar, nombres, Azar.Probabilidad(0.2) ? 2 : 1);
  if (!Azar.Probabilidad(0.03))
    cliente.sPaterno = Azar.Elige(apellidos);
  if (!cliente.bExtranjero && !Azar.Probabilidad(0.12))
    cliente.sMaterno = Azar.Elige(apellidos);
  const double dSector = Azar.Real();
  if (cliente.bExtranjero)
    cliente.nSector = dSector < 0.7 ? 6 : 1;
  else if (dSector < 0.03)
    cliente.nSector = Azar.Probabilidad(0.5) ? 23 : 19;  // notaries and jewellers trade as persons
  else if (dSector < 0.035)
    cliente.nSector = 99;  // a sector that no longer exists
  else
    cliente.nSector = static_cast<int>(Azar.Entero(1, 5));
  return cliente;
}

TCliente ClienteMoral(TAzar& Azar, int nSucursal)
{
  TCliente cliente;
  cliente.bMoral = true;
  cliente.bExtranjero = Azar.Probabilidad(0.06);
  cliente.sNombre = Azar.Elige(GirosEmpresa()) + ' ' + Azar.Elige(NucleosEmpresa()) + ' ' +
                    Azar.Elige(cliente.bExtranjero ? SociedadesExtr() : SociedadesMx());
  if (Azar.Probabilidad(0.05))
    cliente.sPaterno = Azar.Elige(Apellidos());  // captured by mistake; never printed
  const double dSector = Azar.Real();
  if (dSector < 0.35)
    cliente.nSector = static_cast<int>(Azar.Entero(11, 18));
  else if (dSector < 0.65)
    cliente.nSector = static_cast<int>(Azar.Entero(19, 27));
  else if (dSector < 0.98)
    cliente.nSector = Azar.Probabilidad(0.5) ? 2 : static_cast<int>(Azar.Entero(7, 10));
  else
    cliente.nSector = Azar.Probabilidad(0.5) ? 28 : 99;
  if (nSucursal > 1 && Azar.Probabilidad(0.25))
    cliente.nSector = CC_SECTOR_PROPIO;
  return cliente;
}

TCliente PublicoEnGeneral()
{
  TCliente cliente;
  cliente.sNombre = "PUBLICO EN GENERAL";
  return cliente;
}

}  // namespace

QString LocalidadPropia(int nSucursal)
{
  return LocalidadesPropias()[(nSucursal - 2) % LocalidadesPropias().size()];
}

TClientela EscribeCiudadesYClientes(TSalida& Salida, TAzar& Azar, qint64 nOperaciones,
                                    const TNumeracion& Numeracion)
{
  const QList<TCiudad> ciudades = Ciudades(Azar, Numeracion);
  Salida.IniciaTabla("tCiudad", {{"ClaveCiudad", TTipo::Text, 10},
                                 {"Ciudad", TTipo::Text, 60},
                                 {"ClaveLocalidad", TTipo::Text, 10}});
  QList<double> pesos;
  for (const TCiudad& ciudad : ciudades) {
    Salida.AgregaFila({Texto(Numeracion.Clave(ciudad.sClave)), Texto(ciudad.sNombre),
                       Texto(ciudad.sLocalidad)});
    pesos.append(ciudad.dPeso);
  }
  Salida.TerminaTabla();
  const QList<double> acumulados = Acumulados(pesos);

  TClientela clientela;
  clientela.nClientes1 = std::clamp<qint64>(nOperaciones / 25, 80, 50000);
  clientela.nClientes2 = std::max<qint64>(10, clientela.nClientes1 / 30);
  Salida.IniciaTabla("tCliente", {{"NumEmp", TTipo::Long},
                                  {"ClaveCliente", TTipo::Long},
                                  {"Nombre", TTipo::Text, 120},
                                  {"ApellidoPaterno", TTipo::Text, 50},
                                  {"ApellidoMaterno", TTipo::Text, 50},
                                  {"PersonaMoral", TTipo::Boolean},
                                  {"Extranjero", TTipo::Boolean},
                                  {"ClaveSector", TTipo::Long},
                                  {"ClaveCiudad", TTipo::Text, 10},
                                  {"FechaAlta", TTipo::DateTime}});
  const qint64 nTotal = clientela.nClientes1 + clientela.nClientes2;
  for (qint64 nClave = 1; nClave <= nTotal; ++nClave) {
    const bool bOtra = nClave > clientela.nClientes1;
    const bool bPublico = nClave == 1 || nClave == clientela.nClientes1 + 1;
    TCliente cliente = bPublico ? PublicoEnGeneral()
                       : nClave == 2 || Azar.Probabilidad(0.18) ? ClienteMoral(Azar, Numeracion.Sucursal())
                                                                : ClientePersona(Azar);
    if (nClave == 2) {  // "PUBLICO" in other letter case, not the walk-in public
      cliente.sNombre = "Transportes Publicos del Centro, S.A. de C.V.";
      cliente.sPaterno = QString();
    }
    const double dCiudad = Azar.Real();
    const QString sCiudad = dCiudad < 0.005 ? QString()
                            : dCiudad < 0.015 ? QStringLiteral("C9999")  // a city since removed
                                              : ciudades[Azar.Ponderado(acumulados)].sClave;
    const QDate alta = QDate(CC_PRIMER_ANIO - 3, 1, 1).addDays(Azar.Entero(0, 365 * 7));
    Salida.AgregaFila({Entero(bOtra ? Numeracion.OtraEmpresa() : Numeracion.Empresa()),
                       Entero(Numeracion.Clave(nClave)), Texto(cliente.sNombre),
                       Texto(cliente.sPaterno), Texto(cliente.sMaterno), cliente.bMoral,
                       cliente.bExtranjero, Entero(Numeracion.Clave(cliente.nSector)),
                       Texto(Numeracion.Clave(bPublico ? ciudades.first().sClave : sCiudad)),
                       Fecha(alta)});
  }
  Salida.TerminaTabla();
  return clientela;
}

}  // namespace backoffice
