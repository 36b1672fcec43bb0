-- The six tables of the program's database, for an empty database made with
-- "telvane-cli db create FILE". Column types use the Access names where SQLite
-- understands them: TEXT, INTEGER (long), REAL (single), DOUBLE (number),
-- DATETIME (automation date: days since 30 December 1899), BIT (yes/no).

CREATE TABLE tbl_CableParams (
  CableName TEXT(255),
  NList INTEGER,
  NumberOfPairs INTEGER,
  Temperature REAL,
  NumberOfFrames INTEGER,
  Address_Plan INTEGER,
  Time_Charge INTEGER,
  Date_Plan DATETIME
);
CREATE INDEX idx_CableParams_CableName ON tbl_CableParams (CableName);

CREATE TABLE tbl_CableTypes (
  TypeName TEXT(255),
  Diameter REAL,
  SpecificCapacity REAL,
  Contraction REAL,
  R_Conductor REAL,
  MA REAL,
  UserType BIT DEFAULT 0
);
CREATE INDEX idx_CableTypes_TypeName ON tbl_CableTypes (TypeName);

CREATE TABLE tbl_Frames (
  CableName TEXT(255),
  NumberOfFrame INTEGER,
  TypeName TEXT(255),
  FrameLength REAL,
  Length_in_Point REAL,
  SpecificCapacity REAL
);
CREATE INDEX idx_Frames_CableName ON tbl_Frames (CableName);

CREATE TABLE tbl_PlanMeasures (
  CableName TEXT(255),
  Date_Plan DATETIME,
  PairNumber INTEGER,
  CAP_ac REAL,
  CAP_bc REAL,
  CAP_ab REAL,
  INS_ac REAL,
  INS_bc REAL,
  INS_ab REAL,
  LoopResistance DOUBLE,
  OhmicAsymmetry DOUBLE,
  DamageCharacter DOUBLE
);
CREATE INDEX idx_PlanMeasures_CableName ON tbl_PlanMeasures (CableName);

CREATE TABLE tbl_RFGHeaders (
  RFG_number INTEGER PRIMARY KEY AUTOINCREMENT,
  CableName TEXT(255),
  Name_RFG TEXT(255),
  RFG_Version INTEGER,
  RFG_Date TEXT(255),
  TDRimp INTEGER,
  TDRoffset INTEGER,
  TDRdiap INTEGER,
  TDRrast INTEGER,
  TDRmiddl INTEGER,
  TDRdB INTEGER,
  TDRcurs1_M INTEGER,
  TDRcurs2_M INTEGER,
  TDRvirtZeroX INTEGER,
  TDRvirtMeasX INTEGER,
  TDRactiveCursor INTEGER,
  TDRvirtLeftSide INTEGER,
  TDRvirtRightSide INTEGER,
  rCoordination INTEGER
);
CREATE INDEX idx_RFGHeaders_Names ON tbl_RFGHeaders (CableName, Name_RFG);

CREATE TABLE tbl_RFGPoints (
  RFG_Number INTEGER,
  Point INTEGER,
  RFG INTEGER
);
CREATE INDEX idx_RFGPoints_Number ON tbl_RFGPoints (RFG_Number, Point);
