# The yardstick for the batch's speed: the bare dose arithmetic of each row
# of the benchmark's file, written out with the same columns, in mawk. It
# checks nothing and reads no marks, languages or encodings, so korvane-calc,
# which does all of that, is judged by how small a part of this time it takes
# (a third or less) as well as by its seconds, which depend on the machine.
#
#   mawk -F, -f benchmarks/batch_reference.awk tanks.csv > doses.csv
NR == 1 {
    print $0 ",molecular_so2,target_free_so2,target_molecular_so2,so2_requirement," \
          "molecular_so2_requirement,amount,amount_unit,teaspoons,status,message"
    litres["us-gal"] = 1 / 0.2642; litres["imp-gal"] = 1 / 0.22
    litres["litres"] = 1; litres["hl"] = 100
    so2["potassium"] = 0.57747; so2["sodium"] = 0.67438
    next
}
{
    divisor = 10 ^ ($2 - 1.8) + 1
    free = $10 == "free" ? $11 : $11 * divisor
    requirement = free - $3
    grams = requirement / 1000 / so2[$6] * $4 * litres[$5]
    if ($7 == "powder") { amount = grams; unit = "g"; spoons = sprintf("%.2f", grams / 6.2) }
    else if ($7 == "solution") { amount = grams / ($8 / 100); unit = "mL"; spoons = sprintf("%.2f", amount / 4.9289) }
    else { amount = grams / $9; unit = "tablets"; spoons = "" }
    printf "%s,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%s,%s,ok,\n", $0, $3 / divisor, free, free / divisor,
        requirement, free / divisor - $3 / divisor, amount, unit, spoons
}
