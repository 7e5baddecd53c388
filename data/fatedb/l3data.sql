-- The Level III model's chemical table as the properties screen fills it: one row per chemical,
-- found by its name. Half-lives in hours, VP in Pa, S in g/m3, MP and PropertyTemp in deg C.
CREATE TABLE Chemicals (
  ChemName TEXT,
  Type INTEGER,
  MW REAL, S REAL, VP REAL, LogKow REAL, MP REAL, PropertyTemp REAL,
  HLAir_h REAL, HLWater_h REAL, HLSoil_h REAL, HLSed_h REAL, HLSusSed_h REAL, HLFish_h REAL,
  HLAer_h REAL,
  Kaw REAL, Ksoil_wat REAL, Ksed_wat REAL, Kpart_wat REAL, BCF_Fish REAL, Kaer_wat REAL,
  KWat_Air REAL, KSoil_air REAL, KSed_Air REAL, Kpart_Air REAL, KFish_Air REAL, KAer_Air REAL
);
