#!/usr/bin/python3
"""Makes a synthetic region of dischargers, stream reaches, gaging stations and listed species.

The region is demonstration data, deterministic from a seed: the same seed and size give the same
files byte for byte on any machine (the random numbers come from a SplitMix64 generator of our own,
and every number is written with a fixed number of decimals).

Sizes:
  demo  the small region shipped in the program folder: every case the programs tell apart, a few
        facilities in each of the 36 industry categories.
  full  a region of installation size for benchmarks: 13,000 facilities, 60,000 reaches,
        3,000 gaging stations; over 12,000 of the facilities are treatment works, so that one
        category run lists that many, and every other category has facilities too.

Output (CSV in the format of the table build rule, first row the field names):
  sids2004.csv reach.csv actflow.csv sic.csv sicvals.csv coef.csv county_listings.csv listed_taxa.csv
  tblgroup.csv

The industry-category flow statistics (sic.csv, sicvals.csv) are computed from the region itself:
for each category the 10th and 50th percentiles (linear interpolation between neighbouring sorted
values) of the flows of the facilities a category run of the dilution model would list.
"""

import argparse
import csv
import math
import os
import statistics
import sys

MASK = (1 << 64) - 1
DEFAULT_SEED = 20140501
NO_FLOW_WATER_BODIES = ("C", "G", "I", "L", "N")
INV_LOW_FLOW = 2.444987775061125  # 1 / 0.409


class Rng:
    """SplitMix64: small, fast and identical everywhere."""

    def __init__(self, seed):
        self.state = seed & MASK

    def next64(self):
        self.state = (self.state + 0x9E3779B97F4A7C15) & MASK
        z = self.state
        z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & MASK
        z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & MASK
        return z ^ (z >> 31)

    def uniform(self):
        return (self.next64() >> 11) / float(1 << 53)

    def between(self, low, high):
        return low + (high - low) * self.uniform()

    def below(self, n):
        return self.next64() % n

    def pick(self, items):
        return items[self.below(len(items))]


# The 36 industry categories in category order: description, SIC ranges walked by a category run,
# and the SIC codes our facilities of that category carry (each inside the ranges).
CATEGORIES = [
    ("Adhesives and Sealants Manufacture", [(2891, 2891)], ["2891"]),
    ("Laundries, Dry Cleaners and Car Washes", [(7211, 7211), (7213, 7219), (7542, 7542)],
     ["7211", "7216", "7542"]),
    ("Can (metal) Manufacture", [(3411, 3411)], ["3411"]),
    ("Dyes & Pigments Manufacture", [(2865, 2865)], ["2865"]),
    ("Electronic Components Manufacture", [(3674, 3674), (3679, 3679)], ["3674", "3679"]),
    ("Electroplating", [(3471, 3471)], ["3471"]),
    ("Foundries", [(3320, 3329), (3360, 3369)], ["3321", "3362"]),
    ("Ink Formulation", [(2893, 2893)], ["2893"]),
    ("Inorganic Chemicals Manufacture", [(2810, 2819)], ["2812", "2816"]),
    ("Large Household Appliances and Parts Manufacture",
     [(3631, 3633), (3639, 3639), (3431, 3431), (3469, 3469)], ["3631", "3639", "3431"]),
    ("Leather Tanning, Finishing", [(3111, 3111)], ["3111"]),
    ("Lubricant Manufacture", [(2911, 2911), (2992, 2992)], ["2992"]),
    ("Metal Finishing",
     [(3411, 3462), (3465, 3471), (3482, 3599), (3613, 3623), (3629, 3629), (3634, 3636),
      (3643, 3651), (3661, 3671), (3673, 3673), (3676, 3678), (3693, 3694), (3699, 3699),
      (3711, 3841), (3851, 3851), (3873, 3999)], ["3442", "3544", "3714"]),
    ("Motor Vehicle Manufacture", [(3711, 3711), (3713, 3713)], ["3711", "3713"]),
    ("Organic Chemicals Manufacture", [(2865, 2865), (2869, 2869)], ["2869"]),
    ("Ore Mining & Dressing", [(1010, 1099)], ["1011", "1031"]),
    ("Paint Formulation", [(2851, 2851)], ["2851"]),
    ("Paper & Paperboard Mills", [(2621, 2621), (2631, 2631), (2661, 2661)], ["2661"]),
    ("Paper Mills, except Building Paper Mills", [(2621, 2621)], ["2621"]),
    ("Paperboard Mills", [(2631, 2631)], ["2631"]),
    ("Pesticides Manufacture", [(2819, 2819), (2869, 2869), (2879, 2879)], ["2879"]),
    ("Petroleum Refining", [(2911, 2911)], ["2911"]),
    ("Plastic Resins & Synthetic Fiber Manufacture", [(2821, 2821), (2823, 2824)],
     ["2821", "2824"]),
    ("POTW (Indust., includes POTWs which receive ind. disch.)", None, ["4952"]),
    ("POTW's (All facilities)", [(4952, 4952)], ["4952"]),
    ("Primary Metal Forming Manuf. (major users of metal working fluids)",
     [(3315, 3317), (3351, 3357), (3463, 3463), (3497, 3497)], ["3316", "3353", "3497"]),
    ("Printing", [(2710, 2779)], ["2711", "2752"]),
    ("Pulp Mills", [(2611, 2611)], ["2611"]),
    ("Rubber Products Manufacture", [(3011, 3011), (3021, 3021), (3031, 3031), (3041, 3041)],
     ["3011", "3021"]),
    ("Soaps, Detergent, etc. Manufacture", [(2841, 2844)], ["2841", "2844"]),
    ("Steam Electric Power Plants", [(4911, 4911)], ["4911"]),
    ("Textile Dyeing and Finishing ( Knit Goods )", [(2250, 2292)], ["2253", "2257"]),
    ("Textile Dyeing and Finishing ( Wool Goods )", [(2231, 2231)], ["2231"]),
    ("Textile Dyeing and Finishing ( Woven Goods )", [(2261, 2262), (2269, 2269)],
     ["2261", "2262"]),
    ("Textile Dyeing and Finishing ( Knit, Wool, & Woven Goods )",
     [(2231, 2231), (2250, 2260), (2269, 2269), (2292, 2292)], ["2269", "2258"]),
    ("Yarn & Thread Mills", [(2281, 2284)], ["2281", "2284"]),
]
POTW_CATEGORY = 24  # treatment works of SIC 4952 only
INDUSTRY_WORDS = {
    "2891": "ADHESIVES", "7211": "LAUNDRY", "7216": "DRY CLEANERS", "7542": "CAR WASH",
    "3411": "CAN CO", "2865": "DYE WORKS", "3674": "SEMICONDUCTOR", "3679": "ELECTRONICS",
    "3471": "PLATING", "3321": "FOUNDRY", "3362": "BRASS FOUNDRY", "2893": "INK CO",
    "2812": "ALKALI WORKS", "2816": "PIGMENTS", "3631": "RANGE WORKS", "3639": "APPLIANCE",
    "3431": "ENAMELWARE", "3111": "TANNERY", "2992": "LUBRICANTS", "3442": "METAL DOORS",
    "3544": "TOOL AND DIE", "3714": "AUTO PARTS", "3711": "MOTOR WORKS", "3713": "TRUCK BODIES",
    "2869": "ORGANICS", "1011": "IRON MINE", "1031": "ZINC MINE", "2851": "PAINT CO",
    "2661": "BOARD MILL", "2621": "PAPER MILL", "2631": "PAPERBOARD", "2879": "AGRICHEM",
    "2911": "REFINERY", "2821": "RESINS", "2824": "FIBERS", "4952": "WPCP", "3316": "STEEL",
    "3353": "ALUMINUM", "3497": "FOIL CO", "2711": "PRESS", "2752": "PRINTERS",
    "2611": "PULP MILL", "3011": "TIRE CO", "3021": "RUBBER SHOES", "2841": "SOAP WORKS",
    "2844": "TOILETRIES", "4911": "GENERATING STA", "2253": "KNITTING MILL", "2257": "KNIT FABRICS",
    "2231": "WOOLEN MILL", "2261": "FINISHING", "2262": "DYE HOUSE", "2269": "TEXTILE FINISHING",
    "2258": "LACE WORKS", "2281": "YARN MILL", "2284": "THREAD MILL",
}

# States of the region: postal code, state code of the species tables, hydrologic regions.
STATES = [
    ("MA", "25", ["01"]), ("NY", "36", ["02", "04"]), ("NJ", "34", ["02"]), ("PA", "42", ["02", "05"]),
    ("VA", "51", ["03", "02"]), ("OH", "39", ["05", "04"]), ("TN", "47", ["06"]), ("IL", "17", ["07"]),
    ("LA", "22", ["08"]), ("MN", "27", ["09", "07"]), ("MO", "29", ["10"]), ("TX", "48", ["12", "11"]),
    ("NM", "35", ["13"]), ("CO", "08", ["14"]), ("AZ", "04", ["15"]), ("NV", "32", ["16"]),
    ("WA", "53", ["17"]), ("CA", "06", ["18"]),
]
# Subregions per region that the dilution model's regional table distinguishes.
SUBREGIONS = {"01": 11, "02": 8, "03": 18, "04": 15, "05": 14, "06": 4, "07": 14, "08": 9, "09": 3,
              "10": 30, "11": 14, "12": 11, "13": 7, "14": 8, "15": 8, "16": 6, "17": 11, "18": 8}
ZIP_PREFIX = {"MA": "01", "NY": "12", "NJ": "08", "PA": "17", "VA": "23", "OH": "43", "TN": "37",
              "IL": "61", "LA": "70", "MN": "55", "MO": "65", "TX": "76", "NM": "87", "CO": "80",
              "AZ": "85", "NV": "89", "WA": "98", "CA": "95"}

PLACE_WORDS = [
    "ALDER", "ASHCOMB", "BARROW", "BIRCHTON", "BRACKEN", "BRIAR", "CALDER", "CEDARMOOR", "CINDER",
    "CLOVE", "CORBIN", "DALTRY", "DUNMORE", "ELKHAVEN", "FALLOW", "FENWICK", "GARRICK", "GLENAVON",
    "GREYSTONE", "HALLOW", "HARBOR VALLEY", "HAWTHORN", "IRONWELL", "JUNIPER", "KESTREL", "LARCH",
    "LINDEN", "MARLOWE", "MERRIT", "MILLBROOK", "NETTLE", "OAKHURST", "ORWELL", "PELHAM", "QUARRY",
    "RAVENSWOOD", "REDFERN", "ROWAN", "SALTMARSH", "SEDGE", "SORREL", "STAGWOOD", "TAMSIN",
    "THISTLE", "UPTON", "VALE", "WAVERLY", "WILLOWBANK", "WREN", "YARROW",
]
RIVER_WORDS = ["CREEK", "RIVER", "BROOK", "RUN", "FORK", "KILL"]
LAKE_WORDS = {"L": "LAKE", "G": "GREAT LAKE", "I": "BAY", "N": "ESTUARY", "C": "OCEAN"}
SPECIES_GROUPS = [
    (1, "Mammals", ["bat", "vole", "shrew", "mouse"]),
    (2, "Birds", ["warbler", "rail", "plover", "vireo"]),
    (3, "Reptiles", ["turtle", "snake", "skink"]),
    (4, "Amphibians", ["salamander", "frog", "toad"]),
    (5, "Fishes", ["darter", "shiner", "madtom", "chub"]),
    (6, "Clams", ["pearlymussel", "pocketbook", "mucket"]),
    (7, "Snails", ["springsnail", "elimia", "riversnail"]),
    (8, "Insects", ["tiger beetle", "skipper", "stonefly"]),
    (9, "Crustaceans", ["crayfish", "amphipod", "isopod"]),
    (10, "Flowering Plants", ["milkvetch", "bladderpod", "sunflower", "aster"]),
]
ACTION_REASONS = {"L": "Listed as endangered", "P": "Proposed for listing", "D": "Recovered",
                  "R": "Reclassified to threatened"}


def derived_flows(mean_flow, low_flow):
    """Harmonic-mean, 30Q5 and 1Q10 flows from the mean and 7Q10 flows of a reach."""
    harmonic = 1.194 * (0.409 * mean_flow) ** 0.473 * (0.409 * low_flow) ** 0.552 * INV_LOW_FLOW
    flow30q5 = 1.782 * (0.409 * low_flow) ** 0.966 * INV_LOW_FLOW
    flow1q10 = 0.843 * (0.409 * low_flow) ** 0.993 * INV_LOW_FLOW
    return harmonic, flow30q5, flow1q10


def percentile(values, fraction):
    ordered = sorted(values)
    position = fraction * (len(ordered) - 1)
    below = int(math.floor(position))
    above = min(below + 1, len(ordered) - 1)
    return ordered[below] + (ordered[above] - ordered[below]) * (position - below)


def fixed(value, decimals):
    text = "%.*f" % (decimals, value)
    return "0" if float(text) == 0.0 else text


class Region:
    def __init__(self, seed, full):
        self.rng = Rng(seed)
        self.full = full
        self.reaches = {}  # key -> [mean, low]
        self.pool = {}  # region -> keys of flowing reaches
        self.reach_names = {}
        self.facilities = []
        self.npdes_used = set()
        self.stations = []  # (reach, [F1..F100] or with blanks, first, last)
        self.counties = {}  # state -> [(code, name)]
        self.species = []
        self.listings = []

    # ---- reaches -----------------------------------------------------------------------------
    def new_reach_key(self, region):
        while True:
            sub = 1 + self.rng.below(SUBREGIONS[region])
            key = "%s%02d%02d%02d%03d" % (region, sub, 1 + self.rng.below(20), 1 + self.rng.below(40),
                                         1 + self.rng.below(999))
            if key not in self.reaches:
                return key

    def river_name(self):
        return "%s %s" % (self.rng.pick(PLACE_WORDS), self.rng.pick(RIVER_WORDS))

    def add_reach(self, region, mean_flow, low_flow, name=None, key=None):
        key = key or self.new_reach_key(region)
        self.reaches[key] = [mean_flow, low_flow]
        self.reach_names[key] = name or self.river_name()
        if mean_flow > 0 and low_flow > 0:
            self.pool.setdefault(region, []).append(key)
        return key

    def random_flows(self):
        # Low flows from 0.2 to 2,000 MLD; the mean flow 6 to 40 times the low flow, so that the
        # harmonic mean always lies above the 30Q5 flow.
        low_flow = round(10 ** self.rng.between(-0.7, 3.3), 3)
        mean_flow = round(low_flow * self.rng.between(6.0, 40.0), 3)
        return mean_flow, low_flow

    def make_reach_pool(self, per_region):
        for region in sorted(SUBREGIONS):
            for _ in range(per_region):
                self.add_reach(region, *self.random_flows())

    # ---- counties ----------------------------------------------------------------------------
    def make_counties(self, per_state):
        for postal, _, _ in STATES:
            names = list(PLACE_WORDS)
            chosen = []
            for index in range(per_state):
                name = names.pop(self.rng.below(len(names)))
                chosen.append(("%03d" % (2 * index + 1), name.title()))
            self.counties[postal] = chosen

    # ---- facilities --------------------------------------------------------------------------
    def new_npdes(self, postal):
        while True:
            npdes = "%s%07d" % (postal, self.rng.below(10000000))
            if npdes not in self.npdes_used and npdes != "NY0020371":
                self.npdes_used.add(npdes)
                return npdes

    def state(self, postal):
        return next(s for s in STATES if s[0] == postal)

    def add_facility(self, postal=None, sic=None, reach=None, water_body="R", **extra):
        postal = postal or self.rng.pick(STATES)[0]
        _, state_code, regions = self.state(postal)
        region = self.rng.pick(regions)
        county_code, county_name = self.rng.pick(self.counties[postal])
        potw = extra.pop("potw", True) and sic == "4952"
        if reach is None:
            reach = self.rng.pick(self.pool[region])
        place = self.rng.pick(PLACE_WORDS)
        plant_flow = extra.pop("plant_flow", None)
        if plant_flow is None:
            plant_flow = round(10 ** self.rng.between(-1.5, 1.5), 3)
        population = 0
        domestic = 0.0
        if potw:
            population = int(plant_flow * 2500 + self.rng.below(2000))
            domestic = round(plant_flow * self.rng.between(0.4, 0.9), 3)
        facility = {
            "NPDES": extra.pop("npdes", None) or self.new_npdes(postal),
            "NAME": extra.pop("name", None) or ("%s %s" % (place, INDUSTRY_WORDS[sic]))[:50],
            "PARENT": "%s HOLDINGS" % self.rng.pick(PLACE_WORDS) if not potw else "%s AUTHORITY" % place,
            "CITY": place.title(),
            "ST": postal,
            "ZIP": "%s%03d" % (ZIP_PREFIX[postal], self.rng.below(1000)),
            "STTE": state_code,
            "CNTY": county_code,
            "COUNTY_NAME": county_name,
            "SIC": sic,
            "IACC": "A",
            "IPOTW": "1" if potw else "0",
            "DTYPE": "D",
            "HIT": "Y" if self.rng.uniform() < 0.8 else "N",
            "REACH": reach,
            "REACHNM": self.reach_names.get(reach, ""),
            "WB_TYPE": water_body,
            "ROUTLINK": "",
            "MILES": fixed(self.rng.between(0.1, 25.0), 2),
            "PLANTFLOW": fixed(plant_flow, 3) if plant_flow > 0 else "",
            "DOM_FLOW": fixed(domestic, 3) if potw else "",
            "POP": str(population) if potw else "",
            "ACUTE": "",
            "CHRONIC": "",
        }
        facility.update(extra)
        self.facilities.append(facility)
        return facility

    def add_lake_facility(self, postal, sic, water_body, acute, chronic):
        region = self.rng.pick(self.state(postal)[2])
        name = "%s %s" % (self.rng.pick(PLACE_WORDS), LAKE_WORDS[water_body])
        reach = self.add_reach(region, 0.0, 0.0, name=name)
        return self.add_facility(postal, sic, reach, water_body, ACUTE=acute, CHRONIC=chronic)

    def add_routed_facility(self, postal, sic):
        region = self.rng.pick(self.state(postal)[2])
        target = self.rng.pick(self.pool[region])
        reach = self.add_reach(region, 0.0, 0.0)
        return self.add_facility(postal, sic, reach, "R", ROUTLINK=target)

    # ---- gaging stations ---------------------------------------------------------------------
    def add_station(self, reach, complete=True):
        mean_flow, low_flow = self.reaches[reach]
        spread = self.rng.between(0.7, 1.5)
        median = mean_flow / math.exp(spread * spread / 2.0)
        normal = statistics.NormalDist()
        flows = []
        for i in range(1, 101):
            value = median * math.exp(spread * normal.inv_cdf((i - 0.5) / 100.0))
            flows.append(max(round(value, 4), 0.0001))
        for i in range(1, 100):  # rounding must not break the order
            flows[i] = max(flows[i], flows[i - 1])
        texts = [fixed(value, 4) for value in flows]
        if not complete:
            texts[98] = texts[99] = ""  # an unfinished record: no 99th and 100th percentile
        first_year = 1930 + self.rng.below(50)
        last_year = 1995 + self.rng.below(18)
        self.stations.append({"REACH": reach, "FLOWS": texts,
                              "FIRSTDAY": "%04d-10-01" % first_year,
                              "LASTDAY": "%04d-09-30" % last_year})

    # ---- species -----------------------------------------------------------------------------
    def make_species(self, count):
        for species_id in range(1, count + 1):
            group_id, _, nouns = SPECIES_GROUPS[self.rng.below(len(SPECIES_GROUPS))]
            name = "%s %s" % (self.rng.pick(PLACE_WORDS).title(), self.rng.pick(nouns))
            year = 1967 + self.rng.below(45)
            self.species.append({"SPECIESID": str(species_id), "GROUPID_FK": str(group_id),
                                 "COMNAME": name,
                                 "ACTION_DAT": "%04d-%02d-%02d" % (year, 1 + self.rng.below(12),
                                                                   1 + self.rng.below(28))})

    def list_species(self, postal, county, species_id, action, known="T"):
        state_code = self.state(postal)[1]
        code, name = county
        species = self.species[species_id - 1]
        self.listings.append({"FIPS2": state_code + code, "STATE": postal, "COUNTY": name,
                              "KNOWN": known, "INVNAME": species["COMNAME"], "ACTION": action,
                              "WHYCHANGE": ACTION_REASONS[action], "TBLSPECIES": str(species_id)})

    def random_listings(self, postal, county, count):
        for species_id in sorted({1 + self.rng.below(len(self.species)) for _ in range(count)}):
            action = self.rng.pick(["L", "L", "L", "P", "D"])
            self.list_species(postal, county, species_id, action, "T" if self.rng.uniform() < 0.85 else "F")


# ---- the two sizes ---------------------------------------------------------------------------
def add_odd_facilities(region):
    """An empty and an unknown activity code, an indirect discharger, no plant flow, no reach
    flows, and a facility whose reach number is not valid, in both sizes of region."""
    region.add_facility("NJ", "2893", IACC="")
    region.add_facility("IL", "3411", IACC="U")
    region.add_facility("MO", "2752", DTYPE="I")
    region.add_facility("CO", "1031", plant_flow=0.0)
    dry = region.add_reach("13", 0.0, 0.0, name="DRY WASH")
    region.add_facility("NM", "1011", dry)
    region.add_facility("AZ", "3674", "", REACHNM="")


def build_demo(seed):
    region = Region(seed, full=False)
    region.make_reach_pool(8)
    region.make_counties(3)
    rng = region.rng
    states = [s[0] for s in STATES]

    # The default facility of the introductory screen: a treatment works on a gaged river.
    home = region.add_facility("NY", "4952", npdes="NY0020371", name="HARBOR VALLEY WPCP",
                               plant_flow=41.64, HIT="Y")
    # Hand-checkable reaches: flows 100/10 and a plant flow above the low flow of its reach.
    checked = region.add_reach("02", 100.0, 10.0, name="LINDEN CREEK")
    region.add_facility("NY", "2869", checked, name="LINDEN ORGANICS", plant_flow=1.5)
    raised = region.add_reach("05", 50.0, 2.0, name="OAKHURST RUN")
    region.add_facility("OH", "3471", raised, name="OAKHURST PLATING", plant_flow=5.0)

    # Every industry category: three usable facilities, in several states.
    for number, (_, _, codes) in enumerate(CATEGORIES, start=1):
        for index in range(3):
            sic = codes[index % len(codes)]
            potw = number != 25 or index != 2  # category 25 also has a direct discharger
            region.add_facility(rng.pick(states), sic, potw=potw)

    # Treatment works beyond the categories, one of them without a population served.
    for _ in range(5):
        region.add_facility(rng.pick(states), "4952")
    region.add_facility("PA", "4952", POP="")

    # Lakes, Great Lakes, bays, estuaries and the ocean, with their dilution factors.
    region.add_lake_facility("MN", "2621", "L", "10:1", "")
    region.add_lake_facility("OH", "4952", "G", "10:1", "10:1")
    region.add_lake_facility("VA", "2869", "I", "", "3:1")
    region.add_lake_facility("LA", "2911", "N", "10:1", "5:1")
    region.add_lake_facility("CA", "4911", "C", "20:1", "")
    region.add_lake_facility("WA", "2611", "L", "10:1", "")

    # Routed reaches: no flows of their own, the flows of the reach they drain to.
    region.add_routed_facility("PA", "2821")
    region.add_routed_facility("TX", "4952")
    region.add_routed_facility("TN", "3674")

    # Inactive and unknown activity codes, an indirect discharger, no plant flow, no reach flows,
    # and a facility whose reach number is not valid.
    for _ in range(3):
        region.add_facility(rng.pick(states), rng.pick(["2865", "3111", "2851"]), IACC="I")
    add_odd_facilities(region)

    # Gaging stations: two on the default facility's reach, three on another, an unfinished second
    # record, one on many facility reaches, and two on the highest reach key (the last rows).
    region.add_station(home["REACH"])
    region.add_station(home["REACH"])
    river_facilities = [f for f in region.facilities if f["WB_TYPE"] == "R" and f["ROUTLINK"] == ""
                        and f["REACH"] in region.pool.get(f["REACH"][:2], []) and f is not home]
    three = river_facilities[3]["REACH"]
    for _ in range(3):
        region.add_station(three)
    unfinished = river_facilities[7]["REACH"]
    region.add_station(unfinished)
    region.add_station(unfinished, complete=False)
    gaged = {home["REACH"], three, unfinished}
    for facility in river_facilities[10::4]:
        if facility["REACH"] not in gaged:
            region.add_station(facility["REACH"])
            gaged.add(facility["REACH"])
    last = max(k for keys in region.pool.values() for k in keys)
    region.add_facility("CA", "2611", last, name="WILLOWBANK PULP")
    region.add_station(last)
    region.add_station(last)

    # Species: the default facility's county lists, proposes and delists; another county's first
    # listing has no known occurrence; an empty occurrence, another action code, and the county
    # with the highest code, whose rows end the table.
    region.make_species(24)
    home_county = (home["CNTY"], home["COUNTY_NAME"])
    region.list_species("NY", home_county, 3, "L")
    region.list_species("NY", home_county, 7, "P")
    region.list_species("NY", home_county, 12, "D", "")
    other = [c for c in region.counties["PA"]][0]
    region.list_species("PA", other, 2, "L", "F")
    region.list_species("PA", other, 9, "R")
    region.list_species("PA", other, 15, "L")
    for postal in ("VA", "OH", "LA", "TX", "MA", "TN", "IL"):
        region.random_listings(postal, region.counties[postal][1], 3)
    last_county = max(f["STTE"] + f["CNTY"] for f in region.facilities)
    last_postal = next(s[0] for s in STATES if s[1] == last_county[:2])
    county = next(c for c in region.counties[last_postal] if c[0] == last_county[2:])
    region.random_listings(last_postal, county, 3)
    return region


# Share of the full-size region's facilities that are treatment works (SIC 4952), so that the
# largest category run of a benchmark lists at least FULL_LARGEST_CATEGORY facilities; the rest
# spread over every industry category.
FULL_TREATMENT_WORKS_SHARE = 0.96
FULL_LARGEST_CATEGORY = 12000


def add_full_special_cases(region):
    """The cases the programs tell apart, as in the demonstration region, beside the random ones."""
    region.add_facility("NJ", "4952", potw=False)  # a treatment-works code on a direct discharger
    add_odd_facilities(region)
    for water_body, acute, chronic in (("L", "10:1", ""), ("G", "10:1", "10:1"), ("I", "", "3:1"),
                                       ("N", "10:1", "5:1"), ("C", "20:1", "")):
        region.add_lake_facility(region.rng.pick(STATES)[0], "4952", water_body, acute, chronic)


def full_category_code(rng):
    """SIC of a random facility: mostly a treatment works, else a code of a random category."""
    if rng.uniform() < FULL_TREATMENT_WORKS_SHARE:
        return "4952", True
    number = 1 + rng.below(len(CATEGORIES))
    # a facility drawn for the all-facilities category is a direct discharger of that code
    return rng.pick(CATEGORIES[number - 1][2]), number != POTW_CATEGORY + 1


def add_full_facilities(region, facility_total):
    rng = region.rng
    states = [s[0] for s in STATES]
    lakes = routed = 0
    while len(region.facilities) < facility_total:
        draw = rng.uniform()
        postal = rng.pick(states)
        sic, potw = full_category_code(rng)
        if draw > 0.975 and lakes < facility_total // 40:
            water_body = rng.pick(["L", "G", "I", "N", "C"])
            region.add_lake_facility(postal, sic, water_body, rng.pick(["10:1", "", "20:1"]),
                                     rng.pick(["", "3:1", "5:1"]))
            lakes += 1
        elif draw > 0.955 and routed < facility_total // 50:
            region.add_routed_facility(postal, sic)
            routed += 1
        else:
            extra = {"potw": potw}
            if rng.uniform() < 0.06:
                extra["IACC"] = "I"
            region.add_facility(postal, sic, **extra)


def add_full_stations(region, home, station_total):
    """Stations on the highest reach key (the last rows, with a facility on it), on the default
    facility's reach, three on one reach with an unfinished record, the rest at random."""
    rng = region.rng
    keys = sorted(k for keys in region.pool.values() for k in keys)
    last = keys[-1]
    region.add_facility("CA", "2611", last, name="WILLOWBANK PULP")
    region.add_station(last)
    region.add_station(last)
    by_facility = sorted({f["REACH"] for f in region.facilities if f["REACH"] in region.reaches
                          and region.reaches[f["REACH"]][0] > 0 and f["REACH"] != last})
    region.add_station(home["REACH"])
    region.add_station(home["REACH"])
    three = next(k for k in by_facility if k != home["REACH"])
    region.add_station(three)
    region.add_station(three)
    region.add_station(three, complete=False)
    while len(region.stations) < station_total:
        reach = rng.pick(by_facility) if rng.uniform() < 0.7 else rng.pick(keys[:-1])
        if reach != three:  # its unfinished record stays its last
            region.add_station(reach)


def add_full_listings(region, home):
    """Random listings in every county; the default facility's county lists, proposes and
    delists, and somewhere a species is reclassified and an occurrence is left empty."""
    rng = region.rng
    home_county = (home["CNTY"], home["COUNTY_NAME"])
    region.list_species("NY", home_county, 3, "L")
    region.list_species("NY", home_county, 7, "P")
    region.list_species("NY", home_county, 12, "D", "")
    other = region.counties["PA"][0]
    region.list_species("PA", other, 2, "L", "F")
    region.list_species("PA", other, 9, "R")
    for postal, _, _ in STATES:
        for county in region.counties[postal]:
            if (postal, county) not in (("NY", home_county), ("PA", other)):
                region.random_listings(postal, county, rng.below(7))


def build_full(seed):
    region = Region(seed, full=True)
    reach_total, facility_total, station_total = 60000, 13000, 3000
    specials = facility_total // 40 + facility_total // 50 + 10  # lake, routed and dry reaches
    region.make_reach_pool((reach_total - specials - 1) // len(SUBREGIONS))
    region.make_counties(20)
    home = region.add_facility("NY", "4952", npdes="NY0020371", name="HARBOR VALLEY WPCP",
                               plant_flow=41.64, HIT="Y")
    add_full_special_cases(region)
    add_full_facilities(region, facility_total - 1)  # one more on the last reach below
    while len(region.reaches) < reach_total:
        region.add_reach(region.rng.pick(sorted(SUBREGIONS)), *region.random_flows())
    add_full_stations(region, home, station_total)
    region.make_species(400)
    add_full_listings(region, home)
    largest = len(category_members(region, POTW_CATEGORY))
    if largest < FULL_LARGEST_CATEGORY:
        raise SystemExit("the treatment works category has only %d usable facilities" % largest)
    return region


# ---- industry-category statistics ------------------------------------------------------------
def usable_for_category(region, facility):
    """The facilities a category run of the dilution model lists, with the flows it lists."""
    if len(facility["REACH"]) < 11 or facility["WB_TYPE"] in NO_FLOW_WATER_BODIES:
        return None
    if facility["PLANTFLOW"] == "" or float(facility["PLANTFLOW"]) == 0.0:
        return None
    mean_flow, low_flow = region.reaches[facility["REACH"]]
    if mean_flow == 0 and low_flow == 0 and facility["ROUTLINK"]:
        mean_flow, low_flow = region.reaches[facility["ROUTLINK"]]
    if mean_flow == 0 and low_flow == 0:
        return None
    return mean_flow, low_flow


def category_members(region, number):
    _, ranges, _ = CATEGORIES[number - 1]
    members = []
    for facility in region.facilities:
        flows = usable_for_category(region, facility)
        if flows is None:
            continue
        if ranges is None:
            wanted = facility["SIC"] == "4952" and facility["IPOTW"] != "0"
        else:
            wanted = any(low <= int(facility["SIC"]) <= high for low, high in ranges)
        if wanted:
            members.append(flows)
    return members


def category_statistics(region):
    rows = []
    for number in range(1, len(CATEGORIES) + 1):
        members = category_members(region, number)
        if len(members) < 2:
            raise SystemExit("category %d has %d usable facilities" % (number, len(members)))
        harmonic, flow30q5, flow1q10 = zip(*(derived_flows(m, l) for m, l in members))
        low = [l for _, l in members]
        stats = {}
        for name, values in (("HMF", harmonic), ("_0Q5", flow30q5), ("LOW", low), ("_Q10", flow1q10)):
            stats[name + "_50"] = round(percentile(values, 0.5), 4)
            stats[name + "_10"] = round(percentile(values, 0.1), 4)
        rows.append(stats)
    return rows


# ---- the regional coefficient table of the older dilution path ---------------------------------
COEF_TABLE = {
    1: [(1, 1, 0.582, 3.474), (2, 2, 0.422, 1.918), (3, 3, 0.459, 2.936), (4, 4, 0.516, 2.354),
        (5, 5, 0.261, 3.186), (6, 6, 0.477, 2.192), (7, 7, 0.588, 5.214), (8, 8, 0.483, 2.189),
        (9, 10, 0.486, 3.228), (11, 11, 0.579, 3.366), (12, 30, 0.458, 2.385)],
    2: [(1, 1, 0.414, 1.514), (2, 2, 0.343, 1.614), (3, 3, 0.4, 3.053), (4, 4, 0.55, 1.834),
        (5, 5, 0.578, 2.207), (6, 6, 0.883, 2.57), (7, 8, 0.739, 2.358), (9, 30, 0.695, 2.9)],
    3: [(1, 3, 0.759, 2.265), (4, 4, 0.595, 2.624), (5, 5, 0.881, 3.338), (6, 6, 0.489, 2.054),
        (7, 7, 0.717, 2.623), (8, 8, 0.617, 2.605), (9, 9, 0.53, 3.296), (10, 10, 0.71, 3.082),
        (11, 11, 0.602, 3.046), (12, 12, 0.698, 2.727), (13, 13, 0.712, 3.218), (14, 14, 0.672, 2.396),
        (15, 15, 1.007, 4.606), (16, 18, 0.756, 1.578), (19, 30, 0.709, 2.652)],
    4: [(1, 1, 0.886, 6.2), (2, 3, 0.141, 0), (4, 4, 0.605, 1.847), (5, 5, 0.436, 3.334),
        (6, 6, 0.522, 2.634), (7, 7, 0.502, 2.805), (8, 8, 0.61, 2.181), (9, 9, 0.827, 5.923),
        (10, 10, 0.8, 5.992), (11, 11, 0.925, 7.488), (12, 12, 0.761, 3.759), (13, 13, 0.531, 2.984),
        (14, 15, 0.165, 0), (16, 30, 0.549, 2.704)],
    5: [(1, 1, 0.423, 2.951), (2, 2, 0.525, 5.175), (3, 3, 0.601, 3.268), (4, 4, 0.458, 1.556),
        (5, 5, 0.446, 1.928), (6, 6, 0.853, 6.102), (7, 7, 0.757, 4.95), (8, 8, 0.856, 3.187),
        (9, 9, 0.96, 9.284), (10, 10, 0.822, 6.717), (11, 11, 0.859, 6.957), (12, 12, 0.895, 4.988),
        (13, 14, 0.859, 6.957), (15, 30, 0.755, 4.177)],
    6: [(1, 1, 0.62, 2.963), (2, 2, 0.928, 5.373), (3, 3, 0.968, 4.059), (4, 4, 1.129, 3.266),
        (5, 30, 0.823, 3.883)],
    7: [(1, 1, 0.354, 3.242), (2, 2, 1.004, 13.995), (3, 5, 0.422, 0), (6, 6, 1.038, 4.7),
        (7, 7, 0.422, 0), (8, 8, 0.853, 5.762), (9, 9, 0.831, 4.29), (10, 10, 0.888, 10.719),
        (11, 11, 1.278, 0), (12, 12, 0.668, 3.498), (13, 13, 0.88, 6.074), (14, 14, 1.038, 4.377),
        (15, 30, 0.856, 3.924)],
    8: [(1, 1, 0.827, 0), (2, 2, 0.49, 0), (3, 3, 1.287, 15.782), (4, 4, 0.836, 0), (5, 5, 0.651, 11.921),
        (6, 6, 0.955, 0), (7, 7, 1.27, 2.496), (8, 9, 0.388, 0), (10, 30, 0.81, 1.239)],
    9: [(1, 1, 1.262, 0), (2, 2, 1.347, 11.856), (3, 3, 0.63, 3.902), (4, 30, 1.271, 8.348)],
    10: [(1, 11, 0.766, 3.623), (12, 12, 1.134, 3.563), (13, 13, 1.711, 7.105), (14, 14, 1.827, 8.263),
         (15, 17, 1.233, 4.305), (18, 18, 0.615, 3.091), (19, 22, 0.938, 4.227), (23, 23, 1.166, 12.378),
         (24, 24, 1.296, 13.104), (25, 27, 1.356, 4.805), (28, 28, 1.312, 67.065), (29, 29, 1.055, 3.485),
         (30, 30, 1.233, 13.624)],
    11: [(1, 1, 1.089, 3.627), (2, 2, 1.174, 5.675), (3, 3, 1.516, 9.357), (4, 4, 2.403, 5.027),
         (5, 6, 1.389, 0), (7, 7, 1.147, 5.535), (8, 14, 1.307, 4.12), (15, 30, 1.31, 4.715)],
    12: [(1, 1, 1.13, 15.286), (2, 2, 0.847, 0), (3, 3, 1.384, 11.811), (4, 4, 1.311, 0), (5, 5, 2.02, 0),
         (6, 6, 1.925, 0), (7, 7, 1.414, 7.88), (8, 8, 2.043, 0), (9, 9, 1.857, 11.016),
         (10, 10, 1.66, 5.017), (11, 11, 2.138, 0), (12, 30, 1.596, 5.991)],
    13: [(1, 1, 1.345, 0), (2, 2, 0.819, 3.465), (3, 7, 1.345, 0), (8, 30, 1.12, 2.939)],
    14: [(1, 1, 0.667, 2.014), (2, 2, 0.498, 2.268), (3, 3, 0.669, 2.129), (4, 4, 0.793, 4.072),
         (5, 5, 0.632, 2.533), (6, 6, 0.735, 2.506), (7, 7, 0.852, 3.476), (8, 8, 0.577, 2.624),
         (9, 30, 0.701, 2.651)],
    15: [(1, 1, 0.987, 2.923), (2, 2, 1.445, 0), (3, 3, 0.347, 3.298), (4, 5, 1.573, 2.576),
         (6, 6, 1.164, 0), (7, 7, 0.599, 0), (8, 8, 2.091, 0), (9, 30, 1.049, 3.434)],
    16: [(1, 1, 0.439, 2.094), (2, 2, 0.143, 0), (3, 3, 0.464, 1.328), (4, 4, 0.682, 0),
         (5, 5, 0.457, 2.216), (6, 6, 0.741, 2.01), (7, 30, 0.351, 0.092)],
    17: [(1, 1, 0.448, 2.356), (2, 3, 0.578, 3.408), (4, 4, 0.371, 2.612), (5, 5, 0.456, 2.379),
         (6, 6, 0.557, 2.303), (7, 7, 0.442, 2.345), (8, 8, 0.413, 3.002), (9, 9, 0.438, 2.388),
         (10, 10, 0.499, 2.12), (11, 11, 0.228, 1.861), (12, 30, 0.467, 2.742)],
    18: [(1, 1, 0.583, 2.473), (2, 2, 0.72, 3.807), (3, 8, 1.247, 5.488), (9, 30, 0.96, 4.673)],
}
# Rows per region (subregion 0, the region's default pair, first); row n of the file for region r
# and subregion s is the region's first row + s + 1.
COEF_ROWS = [11, 8, 18, 15, 14, 4, 14, 9, 3, 30, 14, 11, 7, 8, 8, 6, 11, 10]


def coefficient_pair(region, subregion):
    for low, high, a, b in COEF_TABLE[region]:
        if low <= subregion <= high:
            return a, b
    raise KeyError((region, subregion))


def coefficient_rows():
    rows = []
    for region, count in enumerate(COEF_ROWS, start=1):
        for subregion in range(count + 1):
            a, b = coefficient_pair(region, subregion if subregion > 0 else 30)
            rows.append([str(region), str(subregion), fixed(a, 3), fixed(b, 3)])
    return rows


# ---- writing ---------------------------------------------------------------------------------
FACILITY_FIELDS = ["NPDES", "NAME", "PARENT", "CITY", "ST", "ZIP", "STTE", "CNTY", "SIC", "IACC",
                   "IPOTW", "DTYPE", "HIT", "REACH", "REACHNM", "WB_TYPE", "ROUTLINK", "MILES",
                   "PLANTFLOW", "DOM_FLOW", "POP", "ACUTE", "CHRONIC"]
SIC_FIELDS = ["HMF_50", "HMF_10", "_0Q5_50", "_0Q5_10", "LOW_50", "LOW_10", "_Q10_50", "_Q10_10"]


def write_csv(folder, name, header, rows):
    with open(os.path.join(folder, name), "w", newline="", encoding="utf-8") as out:
        writer = csv.writer(out, lineterminator="\n")
        writer.writerow(header)
        writer.writerows(rows)


def write_region(region, folder):
    os.makedirs(folder, exist_ok=True)
    facilities = sorted(region.facilities, key=lambda f: f["NPDES"])
    write_csv(folder, "sids2004.csv", FACILITY_FIELDS, [[f[k] for k in FACILITY_FIELDS] for f in facilities])
    write_csv(folder, "reach.csv", ["REACH", "MEAN_FLOW", "LOW_FLOW"],
              [[k, fixed(m, 3), fixed(l, 3)] for k, (m, l) in sorted(region.reaches.items())])

    station_rows = []
    ordered = sorted(enumerate(region.stations), key=lambda item: (item[1]["REACH"], item[0]))
    offsets = {}
    for number, (_, station) in enumerate(ordered):
        offset = offsets.get(station["REACH"], 0)
        offsets[station["REACH"]] = offset + 1
        first = [int(x) for x in station["FIRSTDAY"].split("-")]
        last = [int(x) for x in station["LASTDAY"].split("-")]
        days = days_between(first, last) + 1
        station_rows.append([station["REACH"], "%08d" % (1000000 + number * 37), station["FIRSTDAY"],
                             station["LASTDAY"], str(offset), str(days)] + station["FLOWS"] + ["0"])
    write_csv(folder, "actflow.csv",
              ["REACH", "STA_ID", "FIRSTDAY", "LASTDAY", "OFFSET", "NUMFLWVALS"]
              + ["F%d" % i for i in range(1, 101)] + ["MORE"], station_rows)

    stats = category_statistics(region)
    write_csv(folder, "sic.csv", ["SIC"] + SIC_FIELDS,
              [[CATEGORIES[i][0]] + [fixed(row[k], 4) for k in SIC_FIELDS] for i, row in enumerate(stats)])
    sicvals = []
    for row in stats:
        for suffix in ("_50", "_10"):
            sicvals.append([fixed(row["LOW" + suffix], 4), fixed(row["HMF" + suffix], 4),
                            fixed(row["_Q10" + suffix], 4), fixed(row["_0Q5" + suffix], 4)])
    write_csv(folder, "sicvals.csv", ["N1", "N2", "N3", "N4"], sicvals)
    write_csv(folder, "coef.csv", ["REGION", "SUBREGION", "A", "B"], coefficient_rows())

    write_csv(folder, "tblgroup.csv", ["GROUPID", "GROUP"], [[str(g), name] for g, name, _ in SPECIES_GROUPS])
    write_csv(folder, "listed_taxa.csv", ["SPECIESID", "GROUPID_FK", "COMNAME", "ACTION_DAT"],
              [[s["SPECIESID"], s["GROUPID_FK"], s["COMNAME"], s["ACTION_DAT"]] for s in region.species])
    listing_fields = ["FIPS2", "STATE", "COUNTY", "KNOWN", "INVNAME", "ACTION", "WHYCHANGE", "TBLSPECIES"]
    listings = sorted(region.listings, key=lambda r: (r["FIPS2"], int(r["TBLSPECIES"])))
    write_csv(folder, "county_listings.csv", listing_fields, [[r[k] for k in listing_fields] for r in listings])


def days_between(first, last):
    def ordinal(year, month, day):
        # Days since a fixed epoch in the proleptic Gregorian calendar.
        if month <= 2:
            year -= 1
            month += 12
        return 365 * year + year // 4 - year // 100 + year // 400 + (153 * (month - 3) + 2) // 5 + day

    return ordinal(*last) - ordinal(*first)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--size", choices=["demo", "full"], default="demo")
    parser.add_argument("--seed", type=int, default=DEFAULT_SEED)
    parser.add_argument("--out", required=True, help="folder for the CSV files")
    args = parser.parse_args(argv)
    region = build_demo(args.seed) if args.size == "demo" else build_full(args.seed)
    write_region(region, args.out)
    print("%d facilities, %d reaches, %d gaging stations, %d species listings in %s"
          % (len(region.facilities), len(region.reaches), len(region.stations), len(region.listings),
             args.out))


if __name__ == "__main__":
    main(sys.argv[1:])
