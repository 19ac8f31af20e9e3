Test_A_3.12.2026_23:39:39_
76_2_1 : 15_42_33_6,8966_
Malı kùò
bílı pes
bìí.#
Ma_ı kùò_bílı pes
bìí.#
luouèkı kùò_4.12.2026_8:05:00_
0_0_00 : 00_0_0_0_
#
#
Dlouhı název testu, kterı se do sloupce nevejde_31.12.2026_0:00:59_
1_1_00 : 59_0_-19_100_
C# a #1
#
C_ a #1
#
