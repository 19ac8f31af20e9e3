Diktát "Jaro", èást 2_3.12.2026_9:15:02_
812_3_5 : 00_752_150_0,3695_
Jaro pøišlo.
Ptáci zpívají.#
Jaro pøišlo.
Ptáci zpív_jí.#
minutový test_3.12.2026_9:21:40_
176_0_1 : 00_168_168_0_
Krátký text.#
Krátký text.#
