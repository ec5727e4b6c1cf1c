#include "Alertas.h"

#include "TablasFijas.h"

#include <algorithm>

namespace backoffice {

using mdbgen::TTipo;

namespace {

struct TObservacion {
  QString sTexto;  // null: no observation
  double dPeso;
};

const QList<TObservacion>& Observaciones()
{
  static const QList<TObservacion> observaciones = {
      {"EL CLIENTE SUMA AL MENOS 5000 DOLARES EN EL MES CALENDARIO", 30},
      {"OPERACIONES EN OTRAS DIVISAS: SUMA AL MENOS EQUIV A 5000 DOLARES EN EL MES", 15},
      {"LA PUNTUACION DEL CLIENTE EN LA MATRIZ DE RIESGO REBASA EL LIMITE", 12},
      {"EL MONTO DE LA OPERACION ES MAYOR AL PERFIL TRANSACCIONAL DECLARADO", 10},
      {"PUNTUACION ALTA Y ADEMAS SUMA AL MENOS 5000 DOLARES EN EL MES", 3},
      {"el cliente suma al menos 5000 dolares en el mes", 2},
      {"CLIENTE FRACCIONA SUS OPERACIONES EN VARIAS VISITAS", 5},
      {"CLIENTE SE NEGÓ A PROPORCIONAR SU IDENTIFICACIÓN", 3},
      {"OPERACIÓN INUSUAL DETECTADA POR EL CAJERO", 3},
      {"", 1},
      {QString(), 1},
      {"EL CLIENTE SE PRESENTÓ EN TRES SUCURSALES EL MISMO DÍA. EN CADA UNA VENDIÓ DÓLARES EN "
       "EFECTIVO POR MONTOS CERCANOS AL LÍMITE DE IDENTIFICACIÓN. AL SOLICITARLE EL ORIGEN DE LOS "
       "RECURSOS MENCIONÓ LA VENTA DE UN VEHÍCULO, SIN PRESENTAR DOCUMENTO ALGUNO. SE INFORMÓ AL "
       "OFICIAL DE CUMPLIMIENTO, QUIEN ORDENÓ DAR SEGUIMIENTO A LAS OPERACIONES DEL CLIENTE "
       "DURANTE LOS SIGUIENTES SEIS MESES Y CONSERVAR COPIA DE LAS GRABACIONES DE LAS CÁMARAS.",
       1},
  };
  return observaciones;
}

}  // namespace

void EscribeAlertas(TSalida& Salida, TAzar& Azar, qint64 nOperaciones, const TClientela& Clientela,
                    const TNumeracion& Numeracion)
{
  if (!Salida.Escribe("tRelevan"))
    return;
  QList<TObservacion> observaciones = Observaciones();
  if (Numeracion.Sucursal() > 1)
    observaciones.append(
        {QStringLiteral("OPERACION REVISADA POR EL GERENTE DE LA SUCURSAL %1").arg(Numeracion.Sucursal()), 8});
  QList<double> pesos;
  for (const TObservacion& observacion : observaciones)
    pesos.append(observacion.dPeso);
  const QList<double> acumulados = Acumulados(pesos);

  Salida.IniciaTabla("tRelevan", {{"NumEmp", TTipo::Long},
                                  {"NumRelev", TTipo::Long},
                                  {"TipoRelev", TTipo::Text, 1},
                                  {"FechaDetec", TTipo::DateTime},
                                  {"ClaveCliente", TTipo::Long},
                                  {"Reportada", TTipo::Boolean},
                                  {"Observaciones", TTipo::Memo}});
  const qint64 nAlertas = std::clamp<qint64>(nOperaciones / 40, 60, 30000);
  const QDate inicio(CC_PRIMER_ANIO, 1, 1);
  const qint64 nDias = inicio.daysTo(QDate(CC_ULTIMO_ANIO, 12, 31)) + 1;
  for (qint64 i = 0; i < nAlertas; ++i) {
    const QDate fecha = inicio.addDays(i * nDias / nAlertas);
    const QTime hora = QTime(8, 0).addSecs(static_cast<int>(Azar.Entero(0, 12 * 3600 - 1)));
    const double dTipo = Azar.Real();
    const QString sTipo = dTipo < 0.75 ? "I" : dTipo < 0.95 ? "R" : "P";
    Salida.AgregaFila({Entero(Numeracion.Empresa()), Entero(Numeracion.Clave(i + 1)), Texto(sTipo),
                       Fecha(fecha, hora), Entero(Numeracion.Clave(Azar.Entero(1, Clientela.nClientes1))),
                       Azar.Probabilidad(0.35), Texto(observaciones[Azar.Ponderado(acumulados)].sTexto)});
  }
  Salida.TerminaTabla();
}

}  // namespace backoffice
