# Account tools with scripted answers: five accounts (one of an invalid type)
# summarised into the two files, then one fee check.
section accounts "Account tools" \
    "Bookkeeping with scripted answers: account_summary charges a minimum-balance fee where a balance falls below the minimum of its account type and summarises the accounts to the screen or to two files; fee_check decides for one balance whether the fee is due."
run_step -i $'Ada 1250.40 s\nn\nBen 480.15 c\nn\nCleo 999.99 s\nn\nDev 2200 c\nn\nEve 75 x\ny\nf\n' account_summary
for summary_file in account_summary.txt list_of_account_balances.txt; do
    if [ -f "$summary_file" ]; then
        echo "--- $summary_file"
        cat "$summary_file"
    fi
done
run_step -i $'c\n499.50\n' fee_check
