int tx_core_anchor = 0;
