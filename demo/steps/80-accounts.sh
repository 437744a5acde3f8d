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
# Each valid account from the screen, beside its balance from the list file
# (in the same order); an account of an invalid type is named on neither.
{
    printf 'account\tbalance\tfee / balance\tnew balance\n'
    awk '
        FNR == NR { if (sub(/^ *[0-9]+: \$ */, "")) balance[++listed] = $0; next }
        sub(/^=== Account Information for /, "") { holder = $0; sub(/.s Account ===$/, "", holder) }
        sub(/^Minimum Balance Fee to Account Balance Percentage: /, "") { fee = $0 }
        sub(/^The new account balance is \$?/, "") { print holder "\t" balance[++shown] "\t" fee "\t" $0 }
        /^The account type was invalid/ { print "(invalid type, not counted)\t\t\t" }
    ' list_of_account_balances.txt account_summary.stdout
} >accounts.tsv
# The summary file's "quantity: value" lines.
{
    printf 'summary\tvalue\n'
    awk 'NR > 1 { value = $0; sub(/.*: /, "", value); sub(/: [^:]*$/, ""); print $0 "\t" value }' account_summary.txt
} >account_totals.tsv
table "The accounts as account_summary printed them, with the balances of list_of_account_balances.txt." accounts.tsv
table "The summary account_summary wrote to account_summary.txt." account_totals.tsv
run_step -i $'c\n499.50\n' fee_check
