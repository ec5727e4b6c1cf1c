#include "TablasFijas.h"

namespace backoffice {

using mdbgen::TColumna;
using mdbgen::TTipo;

const QList<TDivisa>& Divisas()
{
  static const QList<TDivisa> divisas = {
      {1, "DOLAR AMERICANO", "USD", 1, 58, {12.42, 13.17, 12.77, 13.30, 15.87}, 20, 12000},
      {2, "EURO", "EUR", 1, 11, {17.28, 16.92, 16.96, 17.65, 17.60}, 20, 8000},
      {3, "DOLAR CANADIENSE", "CAD", 1, 5, {12.56, 13.18, 12.40, 12.04, 12.43}, 20, 8000},
      {4, "LIBRA ESTERLINA", "GBP", 1, 3, {19.90, 20.87, 19.97, 21.90, 24.26}, 20, 5000},
      {5, "YEN JAPONES", "JPY", 1, 3, {0.156, 0.165, 0.131, 0.126, 0.131}, 2000, 1500000},
      {6, "FRANCO SUIZO", "CHF", 1, 2, {14.05, 14.05, 13.79, 14.55, 16.50}, 20, 5000},
      {7, "DOLAR TRANSFERENCIA", "USD", 2, 7, {12.42, 13.17, 12.77, 13.30, 15.87}, 500, 60000},
      {8, "CHEQUE DE VIAJERO DOLAR", "USD", 3, 2, {12.42, 13.17, 12.77, 13.30, 15.87}, 50, 3000},
      {9, "EURO TRANSFERENCIA", "EUR", 2, 2, {17.28, 16.92, 16.96, 17.65, 17.60}, 500, 40000},
      {10, "CENTENARIO", QString(), 4, 1, {21800, 23400, 21200, 17900, 18500}, 1, 20},
      {11, "ONZA LIBERTAD PLATA", "XAG", 5, 1, {560, 500, 380, 300, 270}, 1, 100},
      {12, "DOLAR AUSTRALIANO", "AUD", 9, 1, {12.80, 13.60, 12.30, 12.00, 11.90}, 20, 5000},
      {13, "CHEQUE DOLAR", "USD", 7, 2, {12.42, 13.17, 12.77, 13.30, 15.87}, 100, 20000},
      {14, "GIRO DOLAR", "USD", 6, 1, {12.42, 13.17, 12.77, 13.30, 15.87}, 100, 10000},
  };
  return divisas;
}

const QList<TSector>& Sectores()
{
  static const QList<TSector> sectores = {
      {1, "EMPLEADO", "9800001", 'N'},
      {2, "COMERCIANTE", "6200001", 'N'},
      {3, "PROFESIONISTA INDEPENDIENTE", "9700001", 'N'},
      {4, "ESTUDIANTE", "9900001", 'N'},
      {5, "HOGAR", "9600001", 'N'},
      {6, "TURISTA", "9500001", 'N'},
      {7, "AGRICULTURA Y GANADERIA", "0110001", 'N'},
      {8, "INDUSTRIA MANUFACTURERA", "3100001", 'N'},
      {9, "RESTAURANTES Y HOTELES", "8700001", 'N'},
      {10, "TRANSPORTE DE CARGA", "7100001", 'N'},
      {11, "BANCA MULTIPLE", "8123010", 'F'},
      {12, "CASA DE BOLSA", "8141012", 'F'},
      {13, "CASA DE CAMBIO", "8131013", 'F'},
      {14, "SOCIEDAD FINANCIERA POPULAR", "8113011", 'F'},
      {15, "ARRENDADORA FINANCIERA", "8151011", 'F'},
      {16, "INSTITUCION DE SEGUROS", "8211013", 'F'},
      {17, "UNION DE CREDITO", "8132011", 'F'},
      {18, "SOCIEDAD FINANCIERA DE OBJETO MULTIPLE", "8219017", 'F'},
      {19, "COMPRAVENTA DE JOYAS Y METALES PRECIOSOS", "3932010", 'V'},
      {20, "SERVICIOS INMOBILIARIOS", "8311011", 'V'},
      {21, "COMERCIALIZACION DE VEHICULOS", "6800008", 'V'},
      {22, "JUEGOS CON APUESTA Y SORTEOS", "8426034", 'V'},
      {23, "NOTARIA PUBLICA", "8429046", 'V'},
      {24, "BLINDAJE DE VEHICULOS", "3900001", 'V'},
      {25, "OBRAS DE ARTE Y ANTIGUEDADES", "6900001", 'V'},
      {26, "AGENCIA ADUANAL", "7513014", 'V'},
      {27, "TRASLADO Y CUSTODIA DE VALORES", "8400001", 'V'},
      {28, "SIN ACTIVIDAD ECONOMICA", QString(), 'N'},
  };
  return sectores;
}

TSector SectorPropio(int nSucursal)
{
  static const QStringList claves = {"8113029", "3900009", "8113128", "4111035"};
  return {CC_SECTOR_PROPIO, QStringLiteral("GIRO PROPIO DE LA SUCURSAL %1").arg(nSucursal),
          claves[(nSucursal - 2) % claves.size()], (nSucursal % 2) == 0 ? 'F' : 'V'};
}

namespace {

void EscribeEmpresaYUsuarios(TSalida& Salida, const TNumeracion& Numeracion)
{
  Salida.IniciaTabla("tEmpresa", {{"NumEmp", TTipo::Long},
                                  {"Empresa", TTipo::Text, 120},
                                  {"RFC", TTipo::Text, 13},
                                  {"RegistroCC", TTipo::Text, 20},
                                  {"Domicilio", TTipo::Text, 120}});
  Salida.AgregaFila({Entero(Numeracion.Empresa()), Texto("CENTRO CAMBIARIO EL MIRADOR, S.A. DE C.V."),
                     Texto("CCM110315KT2"), Texto("CC-2011-0457"),
                     Texto("AV. MADERO 214, CENTRO, AGUASCALIENTES, AGS.")});
  Salida.TerminaTabla();

  Salida.IniciaTabla("tEmps", {{"ClaveEmp", TTipo::Text, 20},
                               {"Nombre", TTipo::Text, 60},
                               {"Password", TTipo::Text, 20},
                               {"Nivel", TTipo::Integer}});
  const QList<std::vector<mdbgen::TValor>> usuarios = {
      {Texto("ADMIN"), Texto("ADMINISTRADOR DEL SISTEMA"), Texto("ADMIN"), Entero(0)},
      {Texto("SUPERVISOR"), Texto("LAURA GUTIERREZ MEDINA"), Texto("SUPER1"), Entero(1)},
      {Texto("CAJERO1"), Texto("JOSE LUIS RAMIREZ SOTO"), Texto("CAJA1"), Entero(2)},
      {Texto("CAJERO2"), Texto("ANA MARIA FLORES PEÑA"), Texto("ADMIN"), Entero(2)},
  };
  for (const auto& usuario : usuarios)
    Salida.AgregaFila(usuario);
  Salida.TerminaTabla();

  // Nobody is connected: the survey refuses to run otherwise.
  Salida.IniciaTabla("tCompUsr", {{"ClaveEmp", TTipo::Text, 20},
                                  {"Equipo", TTipo::Text, 40},
                                  {"FechaEntrada", TTipo::DateTime}});
  Salida.TerminaTabla();
}

void EscribeDivisasYSectores(TSalida& Salida, const TNumeracion& Numeracion)
{
  Salida.IniciaTabla("tGrupos", {{"ClaveGrupo", TTipo::Long},
                                 {"Grupo", TTipo::Text, 40},
                                 {"InstMonet", TTipo::Text, 2}});
  const QList<std::pair<QString, QString>> grupos = {
      {"EFECTIVO", "01"},      {"TRANSFERENCIAS", "03"},  {"CHEQUES DE VIAJERO", "04"},
      {"ORO AMONEDADO", "05"}, {"PLATA AMONEDADA", "06"}, {"DOCUMENTOS", "02"},
      {"CHEQUES", "10"}};
  for (qsizetype i = 0; i < grupos.size(); ++i)
    Salida.AgregaFila({Entero(Numeracion.Clave(i + 1)), Texto(grupos[i].first), Texto(grupos[i].second)});
  Salida.TerminaTabla();

  Salida.IniciaTabla("tDivisas", {{"NumeroDivisa", TTipo::Long},
                                  {"Divisa", TTipo::Text, 40},
                                  {"Simbolo", TTipo::Text, 5},
                                  {"ClaveGrupo", TTipo::Long}});
  for (const TDivisa& divisa : Divisas())
    Salida.AgregaFila({Entero(Numeracion.Clave(divisa.nNumero)), Texto(divisa.sNombre),
                       Texto(divisa.sSimbolo), Entero(Numeracion.Clave(divisa.nGrupo))});
  Salida.TerminaTabla();

  Salida.IniciaTabla("tSector", {{"ClaveSector", TTipo::Long},
                                 {"Sector", TTipo::Text, 60},
                                 {"ClaveActividad", TTipo::Text, 10}});
  QList<TSector> sectores = Sectores();
  if (Numeracion.Sucursal() > 1)
    sectores.append(SectorPropio(Numeracion.Sucursal()));
  for (const TSector& sector : sectores)
    Salida.AgregaFila({Entero(Numeracion.Clave(sector.nClave)), Texto(sector.sSector),
                       Texto(sector.sActividad)});
  Salida.TerminaTabla();
}

}  // namespace

void EscribeTablasFijas(TSalida& Salida, const TNumeracion& Numeracion)
{
  EscribeEmpresaYUsuarios(Salida, Numeracion);
  EscribeDivisasYSectores(Salida, Numeracion);
}

}  // namespace backoffice
