#include "survey/ReglasSucursales.h"

ado::TReglasConsolidacion ReglasSucursales()
{
  ado::TReglasConsolidacion Reglas;
  // The tables the questions read. tEmpresa, tEmps and tCompUsr stay the head office's:
  // every branch's login and connected users are checked on its own file.
  Reglas.Tablas = {"tMovtos", "tProces", "tCliente", "tSector", "tCiudad", "tDivisas", "tGrupos", "tRelevan"};
  // Identity keys: client 17 of one branch and client 17 of another are two clients; the
  // same holds for operation folios, currency numbers, currency groups, sectors and cities.
  Reglas.Identidades = {
      {"tMovtos", "Folio"},         {"tMovtos", "NumeroDivisa"}, {"tMovtos", "ClaveCliente"},
      {"tProces", "Folio"},         {"tProces", "NumeroDivisa"}, {"tProces", "ClaveCliente"},
      {"tCliente", "ClaveCliente"}, {"tCliente", "ClaveSector"}, {"tCliente", "ClaveCiudad"},
      {"tSector", "ClaveSector"},   {"tCiudad", "ClaveCiudad"},  {"tDivisas", "NumeroDivisa"},
      {"tDivisas", "ClaveGrupo"},   {"tGrupos", "ClaveGrupo"},
  };
  // Shared codes, joined as they are: operation types (Tipo), currency symbols
  // (tDivisas.Simbolo), instrument codes (tGrupos.InstMonet), activity keys
  // (tSector.ClaveActividad), locality keys (tCiudad.ClaveLocalidad), alert kinds and texts
  // (tRelevan.TipoRelev, Observaciones); names, dates, amounts and flags are values.
  Reglas.Empresas = {{"tMovtos", "NumEmp"}, {"tProces", "NumEmp"}, {"tCliente", "NumEmp"}};
  return Reglas;
}
