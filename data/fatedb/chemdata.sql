-- The EQC model's chemical table as the properties screen fills it: one row per chemical, found
-- by its name. Half-lives in hours, VP in Pa, S in g/m3, MP and PropertyTemp in deg C.
CREATE TABLE Chemicals (
  ChemName TEXT,
  Type INTEGER,
  MW REAL, S REAL, VP REAL, LogKow REAL, MP REAL, PropertyTemp REAL,
  AirHL_h REAL, WatHL_k REAL, SoilHL_h REAL, SedHL_h REAL,
  Kaw REAL, Ksoil_wat REAL, Ksed_wat REAL, Kpart_wat REAL, BCF_Fish REAL, Kaer_wat REAL,
  KWat_Air REAL, KSoil_air REAL, KSed_Air REAL, Kpart_Air REAL, KFish_Air REAL, KAer_Air REAL
);
