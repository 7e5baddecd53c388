#!/usr/bin/python3
"""Checks the tables of a built program folder with an independent dBASE reader (dbfread).

Usage: check_tables.py <TestCaseName> (the CMake file registers one ctest entry per test case).
Environment: OMBRIX_PROGRAM_DIR (the built program folder), OMBRIX_SOURCE_DIR (the source tree).
"""

import csv
import datetime
import os
import re
import subprocess
import sys
import tempfile
import unittest

import dbfread
import numpy

PROGRAM = os.environ.get("OMBRIX_PROGRAM_DIR", "")
SOURCE = os.environ.get("OMBRIX_SOURCE_DIR", "")
TABLE_SOURCES = os.path.join(SOURCE, "data", "tables")

# source base name -> file in the program folder
TABLES = {
    "nyr01": "nyr01.dbf",
    "sids2004": "duriviz/sids2004.dbf",
    "tmpres": "duriviz/tmpres.dbf",
    "reach": "rscan/reach.dbf",
    "actflow": "pdm/actflow.dbf",
    "coef": "pdm/coef.dbf",
    "sic": "kiv/dbfiles/sic.dbf",
    "efmodule": "kiv/dbfiles/efmodule.dbf",
    "county_listings": "endanger/trelspec.dbf",
    "listed_taxa": "endanger/species.dbf",
    "tblgroup": "endanger/tblgroup.dbf",
    "sicvals": "sicvals.dbf",
    "georecs": "GEORECS.dbf",
    "gps": "GPS.dbf",
}
PICTURES = {"pictures/smokestack.jpg": b"\xff\xd8\xff", "pictures/seas.jpg": b"\xff\xd8\xff",
            "pictures/flush.bmp": b"BM", "pictures/kiv.jpg": b"\xff\xd8\xff", "pictures/about.jpg": b"\xff\xd8\xff"}
NO_FLOW_WATER_BODIES = {"C", "G", "I", "L", "N"}


def open_table(base):
    return dbfread.DBF(os.path.join(PROGRAM, TABLES[base]), load=True, encoding="cp1252",
                       char_decode_errors="strict")


def rows(base):
    return list(open_table(base).records)


def read_schema(base):
    fields = []
    with open(os.path.join(TABLE_SOURCES, base + ".schema"), encoding="utf-8") as schema:
        for line in schema:
            parts = line.split()
            if parts and not parts[0].startswith("#"):
                fields.append((parts[0], parts[1], int(parts[2]), int(parts[3])))
    return fields


def derived_flows(mean_flow, low_flow):
    """The program's power laws for the harmonic-mean, 30Q5 and 1Q10 flows of a reach."""
    harmonic = 1.194 * (0.409 * mean_flow) ** 0.473 * (0.409 * low_flow) ** 0.552 / 0.409
    flow30q5 = 1.782 * (0.409 * low_flow) ** 0.966 / 0.409
    flow1q10 = 0.843 * (0.409 * low_flow) ** 0.993 / 0.409
    return harmonic, flow30q5, flow1q10


# SIC ranges a category run walks, in category order; category 24 takes treatment works of 4952.
CATEGORY_RANGES = [
    "2891", "7211;7213-7219;7542", "3411", "2865", "3674;3679", "3471", "3320-3329;3360-3369",
    "2893", "2810-2819", "3631-3633;3639;3431;3469", "3111", "2911;2992",
    "3411-3462;3465-3471;3482-3599;3613-3623;3629;3634-3636;3643-3651;3661-3671;3673;3676-3678;"
    "3693-3694;3699;3711-3841;3851;3873-3999",
    "3711;3713", "2865;2869", "1010-1099", "2851", "2621;2631;2661", "2621", "2631",
    "2819;2869;2879", "2911", "2821;2823-2824", "POTW", "4952", "3315-3317;3351-3357;3463;3497",
    "2710-2779", "2611", "3011;3021;3031;3041", "2841-2844", "4911", "2250-2292", "2231",
    "2261-2262;2269", "2231;2250-2260;2269;2292", "2281-2284",
]


def in_category(facility, ranges):
    if ranges == "POTW":
        return facility["SIC"] == "4952" and facility["IPOTW"] == 1
    code = int(facility["SIC"])
    for part in ranges.split(";"):
        low, _, high = part.partition("-")
        if int(low) <= code <= int(high or low):
            return True
    return False


class Region:
    """The demonstration region as read back from the built tables."""

    def __init__(self):
        self.facilities = rows("sids2004")
        self.reaches = {r["REACH"]: (r["MEAN_FLOW"], r["LOW_FLOW"]) for r in rows("reach")}
        self.stations = rows("actflow")

    def has_flows(self, key):
        mean_flow, low_flow = self.reaches.get(key, (0, 0))
        return (mean_flow or 0) > 0 and (low_flow or 0) > 0

    def usable_flows(self, facility):
        """Flows a category run lists for the facility, or None when it skips it."""
        if len(facility["REACH"]) < 11 or facility["WB_TYPE"] in NO_FLOW_WATER_BODIES:
            return None
        if not facility["PLANTFLOW"]:
            return None
        key = facility["REACH"]
        if not self.has_flows(key) and facility["ROUTLINK"]:
            key = facility["ROUTLINK"]
        return self.reaches[key] if self.has_flows(key) else None


class ProgramFolderTest(unittest.TestCase):
    def test_every_table_and_picture_is_in_the_program_folder(self):
        for base, name in TABLES.items():
            with self.subTest(table=name):
                self.assertTrue(os.path.isfile(os.path.join(PROGRAM, name)), name)
        self.assertTrue(os.path.isfile(os.path.join(PROGRAM, "nyr01.dbt")), "memo file of nyr01")
        for name, magic in PICTURES.items():
            with self.subTest(picture=name):
                with open(os.path.join(PROGRAM, name), "rb") as picture:
                    self.assertEqual(picture.read(len(magic)), magic)

    def test_tables_have_the_schema_fields_and_the_source_rows(self):
        for base in TABLES:
            with self.subTest(table=base):
                table = open_table(base)
                got = [(f.name, f.type, f.length, f.decimal_count) for f in table.fields]
                self.assertEqual(got, read_schema(base))
                with open(os.path.join(TABLE_SOURCES, base + ".csv"), encoding="utf-8") as source:
                    source_rows = list(csv.DictReader(source))
                self.assertEqual(len(table.records), len(source_rows))
                types = {f.name: f.type for f in table.fields}
                for record, source_row in zip(table.records, source_rows):
                    for name, text in source_row.items():
                        self.assertEqual(record[name], expected_value(types[name], text),
                                         "%s.%s" % (base, name))


def expected_value(field_type, text):
    if field_type == "C":
        return text
    if text == "":
        return None
    if field_type == "L":
        return text == "T"
    value = float(text)
    return int(value) if value == int(value) and "." not in text else value


class ScenarioTableTest(unittest.TestCase):
    # Every field the main program's loader and saver and the predictor name.
    FIELDS = """PMN_ID MODGUYS CHEMNAME RELEASE FAC_NAME FAC_LOC NPDES YEARS_USE H2O_HI H2ODAYLO LANDREL
        WSOLUBLE KOW HENRY WTFRAC_MED WTFRAC_90 MELT_PT GAGE_POS NUM_GAGES ED_KIV DO_PDM AEROSOL
        PRODNAME SPECEVAL CRITTERS NOWATER NOLAND NOAIR DATATEMP SORPTION SLUDGEAB LOSS2SLUDG PRODVOL
        INCINREL INCINDAYS FUGREL FUGDAYLO SITE_LO RELEASES VP BCF MW COC0 COC1 COC2 WWT_LOW WWT_HI
        DWT INCIN_LO INCIN_HI MIGRATE WHICHANAL SIC_CODE MIGFACT PLANTFLO EFFFLG HARFLOW HARMNFLG
        MEANFLOW MEANFLG FLOW30Q5 FL30Q5FLG FLOW1Q10 FL1Q10FLG FLOW7Q10 FL7Q10FLG IREL_DOWN ACUTE_CONC
        IREL_DOWNF ACUTECONCF DAYSSLUDGE DAYSNSLUDG STK_HT STKHTU STK_DIAM STKDMU STK_VEL STKVELU
        STK_TEMP STKTMPU AMB_TMP AMBTMPU FUGRELHT FUGRELHTU FIELDWIDTH FWIDTHU FIELDLEN FIELDLENU
        LAND_USE TER_HT TERHTU NEAR_RES NEARRESU METCLASS STABCLASS WNDSPD WNDSPDU DOWNWASH FACLEN
        FACLENU FACWD FACWDU FACHT FACHTU BW FISH FISHCHRON DRINKCHRON DRINK INHALE CANCERAT NCANCERAT
        EXPDURCAN EXPDURNCAN KIV_SCEN SA_BODY SA_HAND SWMEMO FUGMEMO STKMEMO LNDMEMO HEALTH POP_NUM
        REMARKS SITE_HI H2O_LO H2ODAYHI FUGDAYHI REACH REACHNAME""".split()
    KINDS = {"M": "SWMEMO FUGMEMO STKMEMO LNDMEMO REMARKS", "L": "CRITTERS NOWATER NOLAND NOAIR",
             "C": "PMN_ID MODGUYS RELEASES SPECEVAL HEALTH METCLASS LAND_USE STKHTU WNDSPDU"}

    def test_the_pristine_table_holds_the_demonstration_case_and_every_field_the_programs_name(self):
        table = open_table("nyr01")
        self.assertEqual([r["PMN_ID"] for r in table.records],
                         ["DEMO-0001,1", "DEMO-0001,2", "DEMO-0001,3"])
        # A river release at the demonstration facility, a landfill and a stack release.
        self.assertEqual([r["RELEASES"] for r in table.records], ["XX00", "0X00", "00XX"])
        self.assertEqual(table.records[0]["NPDES"], "NY0020371")
        types = {f.name: f for f in table.fields}
        self.assertEqual(sorted(types), sorted(self.FIELDS))
        for kind, names in self.KINDS.items():
            for name in names.split():
                self.assertEqual(types[name].type, kind, name)
        self.assertGreaterEqual(types["MODGUYS"].length, 9)
        self.assertGreaterEqual(types["RELEASES"].length, 4)
        self.assertGreaterEqual(types["HEALTH"].length, 3)
        self.assertGreaterEqual(types["METCLASS"].length, len("Stability and Wind Speed"))

    def test_number_fields_keep_the_values_the_programs_store(self):
        # (field, smallest value kept to 4 significant digits, largest value)
        cases = [("VP", 1.234e-10, 7600.0), ("HENRY", 1.234e-11, 10.0), ("IREL_DOWN", 1.234e-11, 500.0),
                 ("WTFRAC_MED", 1.234e-11, 1.0), ("WSOLUBLE", 1.234e-6, 1.0e6), ("PRODVOL", 1.0, 1.0e12),
                 ("H2O_HI", 1.234e-6, 1.0e8), ("COC0", 1.234e-6, 1.0e8), ("STK_HT", -9.0, 1000.0)]
        fields = {f.name: f for f in open_table("nyr01").fields}
        for name, small, large in cases:
            with self.subTest(field=name):
                field = fields[name]
                self.assertEqual(field.type, "N")
                small_text = "%.*f" % (field.decimal_count, small)
                self.assertAlmostEqual(float(small_text), small, delta=abs(small) * 1e-3)
                self.assertLessEqual(len("%.*f" % (field.decimal_count, large)), field.length)
                self.assertLessEqual(len("%.*f" % (field.decimal_count, -9.0)), field.length)

    def test_the_file_is_a_dbase_iv_table_with_a_memo_file(self):
        with open(os.path.join(PROGRAM, "nyr01.dbf"), "rb") as table:
            self.assertEqual(table.read(1), b"\x8b")


class ExposureFactorTest(unittest.TestCase):
    GROUPS = ["Adult", "Youth(age 16-20)", "Youth(age 11-15)", "Child(age 6-10)", "Toddlers(age 3-5)",
              "Infants(age 1-2)", "Infants(age <1)"]

    def setUp(self):
        self.values = {}
        for row in rows("efmodule"):
            self.assertNotIn(row["FIELD"], self.values, "row names are unique")
            self.values[row["FIELD"]] = row["EFHVALUE"]

    def test_every_row_name_the_two_programs_compare_is_present(self):
        kids = self.GROUPS[1:]
        names = ["Fish Ingestion-Adult", "Fish Ingestion-Adult chronic", "Drinking Water-Adult chronic",
                 "Inhalation Rate After Use", "Averaging Time Cancer", "Chronic Averaging Time - ambient",
                 "SA/BW-Adult", "House Volume"]
        for group in self.GROUPS:
            names += ["Body Weight-" + group, "Drinking Water-" + group, "SA/BW-Body-" + group,
                      "SA/BW-Hand-" + group, "Inhalation Rate-" + group]
        names += ["Fish Ingestion Rate-" + g for g in kids]
        names += ["Inhalation Rate-" + g + " After" for g in kids]
        for name in names:
            with self.subTest(row=name):
                self.assertTrue(name in self.values, "missing row " + name)
                self.assertGreater(self.values[name], 0)
        self.assertEqual(sorted(self.values), sorted(set(names)))

    def test_values_follow_the_age_groups(self):
        def by_age(prefix, suffix=""):
            order = [0, 1, 2, 3, 4, 5, 6]  # oldest first: adult, 16-20, 11-15, 6-10, 3-5, 1-2, <1
            return [self.values[prefix + self.GROUPS[i] + suffix] for i in order]

        weights = by_age("Body Weight-")
        self.assertEqual(weights, sorted(weights, reverse=True))
        surface = by_age("SA/BW-Body-")[1:]
        self.assertEqual(surface, sorted(surface), "younger children have more skin per kilogram")
        self.assertGreater(self.values["Drinking Water-Adult"], self.values["Drinking Water-Adult chronic"])
        for group in self.GROUPS[1:]:
            self.assertGreater(self.values["Inhalation Rate-" + group],
                               self.values["Inhalation Rate-" + group + " After"], group)
        self.assertGreater(self.values["Inhalation Rate-Adult"], self.values["Inhalation Rate After Use"])

    def test_worked_values(self):
        # Worked by hand from the handbook values named in data/tables/README.md.
        cases = [("Body Weight-Infants(age <1)", (4.8 + 5.9 * 2 + 7.4 * 3 + 9.2 * 6) / 12),
                 ("Body Weight-Infants(age 1-2)", (11.4 + 13.8) / 2),
                 ("SA/BW-Body-Child(age 6-10)", 10800 / 31.8),
                 ("SA/BW-Hand-Adult", (1070 + 891) / 2 / 80),
                 ("Inhalation Rate After Use", 15.85 / 24),
                 ("Fish Ingestion Rate-Toddlers(age 3-5)", 22 / 80 * 18.6)]
        for name, value in cases:
            with self.subTest(row=name):
                self.assertAlmostEqual(self.values[name], value, delta=abs(value) * 6e-4)


class RegionTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.region = Region()

    def test_every_facility_names_an_existing_reach_or_a_routing_with_flows(self):
        region = self.region
        routed = 0
        for facility in region.facilities:
            with self.subTest(facility=facility["NPDES"]):
                key = facility["REACH"]
                if key == "":
                    self.assertEqual(facility["REACHNM"], "")  # the one invalid reach number
                    continue
                self.assertEqual(len(key), 11)
                self.assertIn(key, region.reaches)
                if facility["ROUTLINK"]:
                    self.assertFalse(region.has_flows(key), "only a reach without flows is routed")
                    self.assertTrue(region.has_flows(facility["ROUTLINK"]))
                    routed += 1
        self.assertGreater(routed, 0)
        self.assertEqual(sum(1 for f in region.facilities if f["REACH"] == ""), 1)

    def test_facility_fields(self):
        npdes = [f["NPDES"] for f in self.region.facilities]
        self.assertEqual(len(npdes), len(set(npdes)))
        for facility in self.region.facilities:
            with self.subTest(facility=facility["NPDES"]):
                self.assertRegex(facility["NPDES"], r"^[A-Z]{2}\d{7}$")
                self.assertEqual(facility["NPDES"][:2], facility["ST"])
                self.assertRegex(facility["STTE"] + facility["CNTY"], r"^\d{5}$")
                self.assertRegex(facility["SIC"], r"^\d{4}$")
                for name in ("ACUTE", "CHRONIC"):
                    if facility[name]:
                        self.assertRegex(facility[name], r"^\d+:1$")

    def test_the_cases_the_programs_tell_apart_are_present(self):
        facilities = self.region.facilities
        home = [f for f in facilities if f["NPDES"] == "NY0020371"]
        self.assertEqual(len(home), 1)
        self.assertEqual((home[0]["SIC"], home[0]["IPOTW"], home[0]["IACC"]), ("4952", 1, "A"))
        self.assertGreater(home[0]["POP"], 0)
        water_bodies = {f["WB_TYPE"] for f in facilities}
        self.assertTrue(NO_FLOW_WATER_BODIES | {"R"} <= water_bodies)
        lakes = [f for f in facilities if f["WB_TYPE"] in NO_FLOW_WATER_BODIES]
        self.assertTrue(any(f["ACUTE"] == "10:1" for f in lakes))
        self.assertTrue(any(f["ACUTE"] == "" and f["CHRONIC"] for f in lakes))
        self.assertTrue(any(f["SIC"] == "4952" and f["IPOTW"] == 0 for f in facilities))
        self.assertTrue(any(f["IACC"] == "I" for f in facilities))
        self.assertTrue(any(f["IACC"] not in ("A", "I") for f in facilities))
        self.assertTrue(any(f["DTYPE"] == "I" for f in facilities))
        self.assertTrue(any(f["PLANTFLOW"] is None for f in facilities))

    def test_gaging_station_lists(self):
        region = self.region
        stations = region.stations
        groups = []
        for station in stations:
            if not groups or groups[-1][0] != station["REACH"]:
                groups.append((station["REACH"], []))
            groups[-1][1].append(station)
        keys = [key for key, _ in groups]
        self.assertEqual(keys, sorted(set(keys)), "the stations of a reach are together, in key order")
        for key, group in groups:
            with self.subTest(reach=key):
                self.assertTrue(region.has_flows(key))
                self.assertEqual([s["OFFSET"] for s in group], list(range(len(group))))
                complete = [s["F99"] is not None for s in group]
                self.assertEqual(complete, sorted(complete, reverse=True), "unfinished records come last")
                for station in group:
                    first = datetime.date.fromisoformat(station["FIRSTDAY"])
                    last = datetime.date.fromisoformat(station["LASTDAY"])
                    self.assertEqual(station["NUMFLWVALS"], (last - first).days + 1)
                    if station["F99"] is not None:
                        flows = [station["F%d" % i] for i in range(1, 101)]
                        self.assertGreater(flows[0], 0)
                        self.assertEqual(flows, sorted(flows))
        self.assertTrue(any(len(g) >= 3 for _, g in groups))
        self.assertTrue(any(s["F99"] is None for s in stations))
        home = next(f for f in region.facilities if f["NPDES"] == "NY0020371")
        self.assertGreaterEqual(len(dict(groups)[home["REACH"]]), 2)
        last_key, last_group = groups[-1]
        self.assertGreaterEqual(len(last_group), 2)
        self.assertTrue(any(f["REACH"] == last_key for f in region.facilities),
                        "a facility lies on the reach whose stations are the last rows")

    def test_every_category_has_usable_facilities(self):
        region = self.region
        for number, ranges in enumerate(CATEGORY_RANGES, start=1):
            with self.subTest(category=number):
                members = [f for f in region.facilities
                           if in_category(f, ranges) and region.usable_flows(f) is not None]
                self.assertGreaterEqual(len(members), 2)

    def test_category_statistics_match_the_region(self):
        # Recomputed with numpy's linear percentiles over the facilities each category run lists.
        self.assertAlmostEqual(derived_flows(100, 10)[0], 36.7534, places=4)
        self.assertAlmostEqual(derived_flows(100, 10)[1], 16.9867, places=4)
        self.assertAlmostEqual(derived_flows(100, 10)[2], 8.3473, places=4)
        region = self.region
        statistics = rows("sic")
        self.assertEqual(len(statistics), 36)
        sicvals = rows("sicvals")
        self.assertEqual(len(sicvals), 72)
        for number, (ranges, row) in enumerate(zip(CATEGORY_RANGES, statistics), start=1):
            with self.subTest(category=number):
                flows = [region.usable_flows(f) for f in region.facilities if in_category(f, ranges)]
                flows = [x for x in flows if x is not None]
                derived = numpy.array([derived_flows(m, l) for m, l in flows])
                columns = {"HMF": derived[:, 0], "_0Q5": derived[:, 1], "_Q10": derived[:, 2],
                           "LOW": numpy.array([l for _, l in flows])}
                for name, values in columns.items():
                    p10, p50 = numpy.percentile(values, [10, 50])
                    self.assertAlmostEqual(row[name + "_10"], p10, delta=6e-5)
                    self.assertAlmostEqual(row[name + "_50"], p50, delta=6e-5)
                for suffix in ("_10", "_50"):
                    self.assertGreater(row["HMF" + suffix], row["_0Q5" + suffix])
                    self.assertGreater(row["_0Q5" + suffix], row["LOW" + suffix])
                    self.assertGreater(row["LOW" + suffix], row["_Q10" + suffix])
                for name in ("HMF", "_0Q5", "LOW", "_Q10"):
                    self.assertLess(row[name + "_10"], row[name + "_50"])
                high, low = sicvals[2 * number - 2], sicvals[2 * number - 1]
                self.assertEqual((high["N1"], high["N2"], high["N3"], high["N4"]),
                                 (row["LOW_50"], row["HMF_50"], row["_Q10_50"], row["_0Q5_50"]))
                self.assertEqual((low["N1"], low["N2"], low["N3"], low["N4"]),
                                 (row["LOW_10"], row["HMF_10"], row["_Q10_10"], row["_0Q5_10"]))

    def test_species_tables_join(self):
        species = {s["SPECIESID"]: s for s in rows("listed_taxa")}
        groups = {g["GROUPID"] for g in rows("tblgroup")}
        listings = rows("county_listings")
        for listing in listings:
            with self.subTest(listing=(listing["FIPS2"], listing["TBLSPECIES"])):
                self.assertIn(listing["TBLSPECIES"], species)
                self.assertEqual(listing["INVNAME"], species[listing["TBLSPECIES"]]["COMNAME"])
        for entry in species.values():
            self.assertIn(entry["GROUPID_FK"], groups)
        keys = [l["FIPS2"] for l in listings]
        self.assertEqual(keys, sorted(keys))
        home = next(f for f in self.region.facilities if f["NPDES"] == "NY0020371")
        home_actions = {l["ACTION"] for l in listings if l["FIPS2"] == home["STTE"] + home["CNTY"]}
        self.assertEqual(home_actions, {"L", "P", "D"})
        self.assertTrue({l["ACTION"] for l in listings} - {"L", "P", "D"}, "another action code")
        self.assertIn(False, [l["KNOWN"] for l in listings])
        self.assertIn(None, [l["KNOWN"] for l in listings])
        counties = {f["STTE"] + f["CNTY"] for f in self.region.facilities}
        self.assertIn(keys[-1], counties, "the rows that end the table belong to a facility's county")


class CoefficientTest(unittest.TestCase):
    FIRST_ROWS = [0, 12, 21, 40, 56, 71, 76, 91, 101, 105, 136, 151, 163, 171, 180, 189, 196, 208]

    def test_rows_by_region_and_subregion(self):
        table = rows("coef")
        self.assertEqual(len(table), 219)
        # (region, subregion, A, B) from the dilution model's regional table
        cases = [(1, 0, 0.458, 2.385), (1, 11, 0.579, 3.366), (4, 2, 0.141, 0.0), (10, 28, 1.312, 67.065),
                 (17, 0, 0.467, 2.742), (17, 11, 0.228, 1.861), (18, 0, 0.96, 4.673), (18, 8, 1.247, 5.488)]
        for region, subregion, a, b in cases:
            with self.subTest(region=region, subregion=subregion):
                row = table[self.FIRST_ROWS[region - 1] + subregion]  # row first + s + 1, from 1
                self.assertEqual((row["REGION"], row["SUBREGION"]), (region, subregion))
                self.assertAlmostEqual(row["A"], a)
                self.assertAlmostEqual(row["B"], b)


class GeneratorTest(unittest.TestCase):
    GENERATED = ["sids2004", "reach", "actflow", "sic", "sicvals", "coef", "county_listings", "listed_taxa", "tblgroup"]

    def test_the_generator_makes_the_committed_region_again(self):
        with tempfile.TemporaryDirectory() as folder:
            subprocess.run(["/usr/bin/python3", os.path.join(SOURCE, "tools", "regiongen", "regiongen.py"),
                            "--out", folder], check=True, stdout=subprocess.DEVNULL)
            for base in self.GENERATED:
                with self.subTest(table=base):
                    with open(os.path.join(folder, base + ".csv"), "rb") as made, \
                            open(os.path.join(TABLE_SOURCES, base + ".csv"), "rb") as committed:
                        self.assertEqual(made.read(), committed.read())


if __name__ == "__main__":
    if not PROGRAM or not SOURCE:
        sys.exit("OMBRIX_PROGRAM_DIR and OMBRIX_SOURCE_DIR must be set")
    unittest.main(argv=[sys.argv[0]] + sys.argv[1:])
