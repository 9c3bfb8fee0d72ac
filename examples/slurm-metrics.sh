#!/usr/bin/env bash
# A Slurm array job: one task a bundle, each writing the strong-motion indices and JMA intensity
# of its bundle's records as one CSV (OUT/BUNDLE.csv).
#
#   ls /data/nied/*.tar > bundles.txt
#   sbatch --array=1-$(wc -l < bundles.txt)%64 examples/slurm-metrics.sh bundles.txt out
#
# then, once every task has ended, one CSV for all of them (the header row once):
#
#   { head -n 1 "$(ls out/*.csv | head -n 1)"; tail -q -n +2 out/*.csv; } > all.csv
#
#SBATCH --job-name=tremora-metrics
#SBATCH --cpus-per-task=1
#SBATCH --mem=1G
#SBATCH --time=01:00:00
#SBATCH --output=tremora-metrics-%A_%a.log
set -euo pipefail

list=${1:?usage: slurm-metrics.sh BUNDLE-LIST [OUT-FOLDER]}
out=${2:-out}
task=${SLURM_ARRAY_TASK_ID:?run it as an array job: sbatch --array=1-N}
bundle=$(sed -n "${task}p" "$list")
[ -n "$bundle" ] || { echo "line $task of $list is empty" >&2; exit 1; }

# OUT/20180124195100.csv for 20180124195100.tar, OUT/20180124195100.knt.csv for .knt.tar.gz
name=$(basename "$bundle")
name=${name%.gz}; name=${name%.tgz}; name=${name%.tar}
mkdir -p "$out"

# One thread a task (the scheduler gives the cores); the records are unpacked on the node's own
# scratch disk where the cluster has one, and removed when the command ends.
export TREMORA_THREADS=${SLURM_CPUS_PER_TASK:-1}
export TMPDIR=${SLURM_TMPDIR:-${TMPDIR:-/tmp}}
exec "${TREMORA_CLI:-tremora-cli}" metrics --out "$out/$name.csv" "$bundle"
